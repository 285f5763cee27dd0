// Event properties in form definitions: stored as the handler's name, bound to the form's
// handler of that name when read.
#include <gtest/gtest.h>

#include "platform/vcl/Events.h"
#include "platform/vcl/FormRecord.h"
#include "platform/vcl/FormStream.h"

namespace {

using vcl::TEvent;
using vcl::TObject;

class TClicker : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    using TComponent::TComponent;
    const TEvent<void(TObject*)>& OnClick() const { return onClick_; }
    void SetOnClick(TEvent<void(TObject*)> handler) { onClick_ = std::move(handler); }
    const TEvent<bool(int)>& OnQuery() const { return onQuery_; }
    void SetOnQuery(TEvent<bool(int)> handler) { onQuery_ = std::move(handler); }
    void Click() { onClick_(this); }

private:
    TEvent<void(TObject*)> onClick_;
    TEvent<bool(int)> onQuery_;
};

const vcl::ClassInfo& TClicker::StaticClassInfo() {
    static const vcl::ClassInfo info = vcl::ClassBuilder<TClicker>("TClicker", &TComponent::StaticClassInfo())
                                           .Property("OnClick", &TClicker::OnClick, &TClicker::SetOnClick)
                                           .Property("OnQuery", &TClicker::OnQuery, &TClicker::SetOnQuery)
                                           .Creatable()
                                           .Build();
    return info;
}

class TEventForm : public vcl::TComponent {
public:
    OLZ_CLASS_INFO
    explicit TEventForm(TComponent* owner) : TComponent(owner) {
        PublishMethod<void(TObject*)>("ButtonClick", [this](TObject* sender) { clickedBy = sender; });
        PublishMethod<bool(int)>("Query", [](int n) { return n > 2; });
    }
    TObject* clickedBy = nullptr;
};

const vcl::ClassInfo& TEventForm::StaticClassInfo() {
    static const vcl::ClassInfo info =
        vcl::ClassBuilder<TEventForm>("TEventForm", &TComponent::StaticClassInfo()).Build();
    return info;
}

std::vector<std::uint8_t> Definition(const std::string& clickHandler) {
    vcl::ComponentRecord button{"TClicker", "Button1", {{"OnClick", vcl::Ident{clickHandler}}}, {}};
    vcl::ComponentRecord form{"TEventForm", "Form1", {}, {button}};
    vcl::TMemoryStream stream;
    vcl::EncodeForm(stream, form);
    return {stream.Memory(), stream.Memory() + stream.Size()};
}

class FormEvents : public ::testing::Test {
protected:
    void SetUp() override { vcl::RegisterComponentClass(TClicker::StaticClassInfo()); }
};

TEST_F(FormEvents, AStoredHandlerNameBindsToTheFormsHandler) {
    TEventForm form(nullptr);
    vcl::ReadComponent(Definition("ButtonClick"), form);
    auto* button = dynamic_cast<TClicker*>(form.FindComponent("Button1"));
    ASSERT_NE(button, nullptr);
    button->Click();
    EXPECT_EQ(form.clickedBy, button);

    vcl::TMemoryStream written;
    vcl::WriteComponent(written, form);
    written.SetPosition(0);
    const vcl::ComponentRecord record = vcl::DecodeForm(written);
    ASSERT_EQ(record.children.size(), 1u);
    EXPECT_EQ(record.children[0].properties,
              (vcl::PropertyList{{"OnClick", vcl::Ident{"ButtonClick"}}}))
        << "the handler's name is written back; an unbound event is not written";
}

TEST_F(FormEvents, AnUnknownOrMismatchedHandlerIsAReadError) {
    for (const char* name : {"Nope", "Query"}) {
        TEventForm form(nullptr);
        try {
            vcl::ReadComponent(Definition(name), form);
            ADD_FAILURE() << name << " was bound";
        } catch (const vcl::EReadError& e) {
            EXPECT_EQ(e.Message(), std::string("Error reading Button1.OnClick: Method ") + name + " not found");
        }
    }
}

TEST(TEvent, AnUnboundEventDoesNothingAndGivesADefaultResult) {
    TEvent<bool(int)> unbound;
    EXPECT_FALSE(unbound);
    EXPECT_FALSE(unbound(5));
    TEvent<bool(int)> bound([](int n) { return n == 5; });
    EXPECT_TRUE(bound(5));
}

}  // namespace
