#pragma once
// The base of every colour set. A set belongs to an owner (usually a control; not owned by
// the set) and tells it when a published value changes, so the control re-resolves its
// colours. Sets publish their colours under the names window descriptions use.
#include "lyra/classes.h"
#include "lyra/colors.h"

#include <cstddef>
#include <string>

namespace lyra {

class LySourceColor;

// A published colour of a set: its name in window descriptions and the member holding it.
template <class Set, class Field> struct LyNamedColor {
    const wchar_t* name;
    Field Set::*field;
};

class LyPersistentColor : public TMPersistent {
  public:
    explicit LyPersistentColor(toolkit::Persistent* AOwner = nullptr) : TMPersistent(AOwner) {}

    bool Enabled() const { return FEnable; }
    // Tells the owner only when the value changes.
    void SetEnabled(bool value);

    // Copies every published property of another colour set that this set also has, by
    // name and through this set's setters. Throws toolkit::Error for any other source.
    void Assign(const toolkit::Persistent& source) override;

    // Asks the owner to re-resolve its colours (UpdateTheme(true)) when it is a framework
    // control that is not being read from a window description; it resolves once the
    // description is read.
    void NotifyOwner() const;

  protected:
    void PublishEnabled();
    // A colour that is a plain field: setting it from a description or by Assign stores it.
    void PublishColorField(std::wstring name, TColor& field);
    // A source colour: setting it from a description or by Assign also notifies the owner.
    void PublishColorField(std::wstring name, LySourceColor& field);
    // Publishes Accent, the listed colours in their order, then Enabled.
    template <class Set, class Field, std::size_t N>
    void PublishColors(Field& accent, const LyNamedColor<Set, Field> (&colors)[N]) {
        PublishColorField(L"Accent", accent);
        for (const auto& color : colors)
            PublishColorField(color.name, static_cast<Set*>(this)->*color.field);
        PublishEnabled();
    }

  private:
    bool FEnable = false;
};

// A colour of a source set. It reads like a TColor; assigning stores the value and then tells
// the set's owner, also when the value is the same.
class LySourceColor {
  public:
    LySourceColor(const LyPersistentColor& set, TColor value) : FSet(set), FValue(value) {}
    // Bound to its set for life.
    LySourceColor(const LySourceColor&) = delete;

    operator TColor() const { return FValue; }
    LySourceColor& operator=(TColor value) {
        FValue = value;
        FSet.NotifyOwner();
        return *this;
    }
    LySourceColor& operator=(const LySourceColor& other) { return *this = TColor(other); }
    // Stores without telling the owner, for setters that change several colours and then
    // notify once.
    void Store(TColor value) { FValue = value; }

  private:
    const LyPersistentColor& FSet;
    TColor FValue;
};

} // namespace lyra
