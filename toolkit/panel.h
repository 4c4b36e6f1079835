#pragma once
// A windowed container that fills itself with its colour, may show bevels and a caption,
// and lays its children out inside the bevels.
#include "toolkit/win_control.h"

namespace toolkit {

enum class BevelCut { None, Lowered, Raised };
enum class AlignmentKind { Left, Right, Center };

class Panel : public WinControl {
  public:
    explicit Panel(Component* owner);

    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value);
    AlignmentKind Alignment() const { return alignment_; }
    void SetAlignment(AlignmentKind alignment);
    BevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(BevelCut cut);
    BevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(BevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);

  protected:
    void Paint() override;
    void AdjustClientRect(RECT& rect) const override;

  private:
    // The bevels' total width on each side.
    int BevelSpace() const;
    void BevelsChanged();

    bool showCaption_ = true;
    AlignmentKind alignment_ = AlignmentKind::Center;
    BevelCut bevelOuter_ = BevelCut::Raised;
    BevelCut bevelInner_ = BevelCut::None;
    int bevelWidth_ = 1;
};

} // namespace toolkit
