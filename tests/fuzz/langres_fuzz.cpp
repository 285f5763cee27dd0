// Arbitrary bytes as a language file, applied to a small form by the language component in
// auto-create mode, with options chosen by the input. Besides not crashing: no pass raises,
// and once one pass has filled the template, another leaves the file's bytes as they are.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "langres/SMLFormLangRes.h"
#include "platform/os/Os.h"
#include "platform/os/sim/SimOs.h"
#include "tests/support/TestFont.h"

namespace {

namespace fs = std::filesystem;
using vcl::ClassBuilder;
using vcl::ClassInfo;

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const fs::path& Folder() {
    static const fs::path folder = [] {
        const fs::path path = fs::temp_directory_path() / ("olz-langres-fuzz-" + std::to_string(getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

// A form (TCustomForm <- TForm <- TFuzzFrm) and a radio group: a caption, a font, list items.
class TFuzzComponent : public vcl::TComponent {
public:
    TFuzzComponent(vcl::TComponent* owner, const ClassInfo& info) : TComponent(owner), info_(info) {}
    const ClassInfo& ClassType() const override { return info_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    testing_support::TTestFont& Font() { return font_; }
    vcl::TStringList& Items() { return items_; }

    static const ClassInfo& Form() {
        static const ClassInfo custom = ClassBuilder<TFuzzComponent>("TCustomForm", &TComponent::StaticClassInfo())
                                            .Property("Caption", &TFuzzComponent::Caption, &TFuzzComponent::SetCaption)
                                            .Object("Font", &TFuzzComponent::Font)
                                            .Build();
        static const ClassInfo form = ClassBuilder<TFuzzComponent>("TForm", &custom).Build();
        static const ClassInfo info = ClassBuilder<TFuzzComponent>("TFuzzFrm", &form).Build();
        return info;
    }
    static const ClassInfo& RadioGroup() {
        static const ClassInfo info = ClassBuilder<TFuzzComponent>("TRadioGroup", &TComponent::StaticClassInfo())
                                          .Property("Caption", &TFuzzComponent::Caption, &TFuzzComponent::SetCaption)
                                          .Object("Items", &TFuzzComponent::Items)
                                          .Build();
        return info;
    }

private:
    const ClassInfo& info_;
    std::string caption_;
    testing_support::TTestFont font_;
    vcl::TStringList items_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool addBracket = input.ConsumeBool();
    const bool ignoreEmpty = input.ConsumeBool();
    const fs::path file = Folder() / "DefLang.ini";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << input.ConsumeRemainingBytesAsString();

    os::sim::SimOs sim;
    sim.system.SetModuleFileName((Folder() / "olzconsole.exe").string());
    const os::BackendScope scope(sim.backend());

    TFuzzComponent form(nullptr, TFuzzComponent::Form());
    form.SetCaption("Window");
    auto& group = *new TFuzzComponent(&form, TFuzzComponent::RadioGroup());
    group.SetName("RG1");
    group.SetCaption("");
    for (const char* item : {"Off", "On", ""}) group.Items().Add(item);

    TsmlFormLangRes res(&form);
    res.SetAddBracket(addBracket);
    res.SetIgnoreEmptyString(ignoreEmpty);
    res.SetActive(true);
    const std::string filled = ReadFile(file);
    res.SetActive(true);
    Check(ReadFile(file) == filled, "a filled template is left as it is");
    return 0;
}
