#pragma once

#include "screen/ui/ScrolledGuide.h"

// Picture3 of the tally screen: its operating guide over the right side, with
// the toolbar's pictures in the text; its "閉じる" are Command1 and Command2.
class TallyGuidePanel : public ScrolledGuide {
    Q_OBJECT
public:
    static constexpr int kWidth = 340;

    TallyGuidePanel(int height, std::function<void()> close, QWidget *parent);

    // The text blocks, one line a string; a block starts with "■".
    static QStringList lines();
};
