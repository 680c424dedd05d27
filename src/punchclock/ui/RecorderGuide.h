#pragma once

#include "screen/ui/ScrolledGuide.h"

// Picture3: the operating guide of the punch-clock screen, beside it while the
// screen is widened; its "閉じる" are Command4 and Command5.
class RecorderGuide : public ScrolledGuide {
    Q_OBJECT
public:
    static constexpr int kWidth = 300;

    RecorderGuide(int height, std::function<void()> close, QWidget *parent);

    static QString guideText();
};
