/* Help context numbers of the System Manager's help file. The program asks for 1000. */
#define IDH_SYSTEM_MANAGER 1000
#define IDH_LOGON_SETTINGS 1010
#define IDH_ENGINE_SETTINGS 1020
#define IDH_SERVICE_SETTINGS 1030
#define IDH_MASTER_SETTINGS 1040
