// Ownership, names, creation order and the published properties behind Assign.
#include "toolkit/component.h"
#include "toolkit/font.h"
#include "toolkit/margins.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using toolkit::Component;

// Records the components it hears about.
class Listener : public Component {
  public:
    using Component::Component;
    std::vector<Component*> heard;

  protected:
    void Notification(Component* component) override { heard.push_back(component); }
};

TEST(Component, OwnerDeletesWhatItOwnsAndKeepsCreationOrder) {
    const std::size_t before = Component::LiveCount();
    auto* owner = new Component(nullptr);
    auto* first = new Component(owner);
    auto* second = new Component(owner);
    auto* grandchild = new Component(second);
    (void)grandchild;
    ASSERT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(0), first);
    EXPECT_EQ(owner->Components(1), second);
    EXPECT_EQ(second->ComponentIndex(), 1);
    EXPECT_EQ(Component::LiveCount(), before + 4);

    delete first; // leaves its owner's list, the others keep their order
    ASSERT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->Components(0), second);
    EXPECT_EQ(second->ComponentIndex(), 0);

    delete owner;
    EXPECT_EQ(Component::LiveCount(), before);
}

TEST(Component, NamesAreUniquePerOwnerAndFoundWithoutCase) {
    Component owner(nullptr);
    auto* button = new Component(&owner);
    button->SetName(L"Navigation_Next");
    auto* other = new Component(&owner);
    EXPECT_THROW(other->SetName(L"navigation_next"), toolkit::Error);
    EXPECT_EQ(owner.FindComponent(L"NAVIGATION_NEXT"), button);
    EXPECT_EQ(owner.FindComponent(L"Missing"), nullptr);
    // Another owner may use the same name.
    Component elsewhere(nullptr);
    auto* twin = new Component(&elsewhere);
    EXPECT_NO_THROW(twin->SetName(L"Navigation_Next"));
}

TEST(Component, FreeNotificationReachesSubscribersAndOwners) {
    Listener owner(nullptr);
    Listener watcher(nullptr);
    auto* watched = new Component(&owner);
    watched->FreeNotification(&watcher);
    delete watched;
    EXPECT_EQ(owner.heard, std::vector<Component*>{watched});
    EXPECT_EQ(watcher.heard, std::vector<Component*>{watched});

    // Unsubscribed, or the subscriber gone first: nothing dangles.
    auto* quiet = new Component(nullptr);
    quiet->FreeNotification(&watcher);
    quiet->RemoveFreeNotification(&watcher);
    delete quiet;
    EXPECT_EQ(watcher.heard.size(), 1u);
    auto* shortLived = new Listener(nullptr);
    auto* survivor = new Component(nullptr);
    survivor->FreeNotification(shortLived);
    delete shortLived;
    delete survivor;
}

TEST(Persistent, AssignCopiesPublishedPropertiesByName) {
    toolkit::Font source;
    source.SetName(L"DejaVu Sans");
    source.SetHeight(-21);
    source.SetStyle({toolkit::FontStyle::Bold});
    source.SetColor(toolkit::clRed);
    toolkit::Font target;
    int changes = 0;
    target.OnChange = [&] { ++changes; };
    target.Assign(source);
    EXPECT_EQ(target.Name(), L"DejaVu Sans");
    EXPECT_EQ(target.Height(), -21);
    EXPECT_TRUE(target.Style().Contains(toolkit::FontStyle::Bold));
    EXPECT_EQ(target.Color(), toolkit::clRed);
    EXPECT_EQ(changes, 1);
    target.Assign(source); // nothing new: no notification
    EXPECT_EQ(changes, 1);

    // Between different classes only the names both publish are copied.
    toolkit::Margins margins(7);
    toolkit::Margins copy(0);
    copy.Assign(margins);
    EXPECT_EQ(copy.Left(), 7);
    EXPECT_EQ(copy.Bottom(), 7);
    Component named(nullptr);
    named.SetTag(42);
    Component other(nullptr);
    other.Assign(margins); // no shared names: unchanged
    EXPECT_EQ(other.Tag(), 0);
}

TEST(Font, SizeAndHeightFollowTheResolution) {
    toolkit::Font font;
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -12);
    font.SetPixelsPerInch(144);
    EXPECT_EQ(font.Size(), 6); // the same pixels are smaller points at a higher resolution
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -18);
    EXPECT_NE(font.Handle(), nullptr);
}

} // namespace
