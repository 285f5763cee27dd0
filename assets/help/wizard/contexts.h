/* Help context numbers of the Setup Sound System Wizard's help file: one a step. */
#define IDH_STEP1_CLOSE_PROGRAMS 3000
#define IDH_STEP2_CONNECT 4000
#define IDH_STEP3_PLAYBACK_VOLUME 5000
#define IDH_STEP4_MICROPHONE_CHECK 6000
#define IDH_STEP5_DONE 7000
