#pragma once

#include "data/CalcSettings.h"
#include "data/IcOptions.h"
#include "screen/Services.h"

#include <QString>
#include <array>

// The calculation settings screen (frmkeisankijyun) without its widgets: the
// in-memory settings, what each control shows, and the handlers of its
// options, boxes and keys. The file is written on closing only.
class SettingsScreen {
public:
    static constexpr int kTextBoxes = 3;     // texkijyun (0)-(2)
    static constexpr int kRoundingBoxes = 9; // cmbhasuu (0)-(8), box k edits setting k + 4
    static constexpr int kOptions = 6;       // Option1-Option6
    static constexpr int kTextMaxLength = 2;

    // What leaving a box asks of the widget.
    struct Leave {
        QString boxText;        // the box shows this afterwards
        bool keepFocus = false; // the focus goes back to the box
    };

    explicit SettingsScreen(Services &services);

    // Reads Kijyun.Dat (creating it when missing) and shows it. False when a
    // fatal file error ended the program.
    bool open();

    const CalcSettings &settings() const { return m_settings; }

    // hyouji: what the controls show.
    void hyouji();
    const QString &textBox(int i) const { return m_text[static_cast<size_t>(i)]; }
    const QString &roundingBox(int k) const { return m_rounding[static_cast<size_t>(k)]; }
    // n is 1-6 for Option1-Option6.
    bool option(int n) const { return m_option[static_cast<size_t>(n - 1)]; }

    // The notice beside the rounding boxes: shown while a setting counts
    // working time short (labourrules::roundingShortensTime). It never
    // refuses a setting.
    bool roundingNoticeShown() const;
    // The same while rounding box k shows text that is not stored yet.
    bool roundingNoticeShownWith(int k, const QString &text) const;

    // An option button was clicked.
    void chooseOption(int n);

    // A box got the focus: it shows its stored setting.
    QString enterTextBox(int i);
    QString enterRoundingBox(int k);

    // A box lost the focus with the text it holds. With quiet set (the window
    // closes with the focus in the box) no message is shown and a refused
    // value leaves the setting as it was.
    Leave leaveTextBox(int i, const QString &text, bool quiet = false);
    Leave leaveRoundingBox(int k, const QString &text, bool quiet = false);

    // objectName of the control that Enter moves to from a box.
    static QString enterTarget(const QString &control);

    // "ICカードで打刻する" and, under it, whether a click on the rack then
    // asks for the administrator PIN. The second is offered only with the
    // first; without a registered PIN it has no effect, which the screen says.
    const IcOptions &icOptions() const { return m_ic; }
    void setPunchByCard(bool on) { m_ic.punchByCard = on; }
    void setClickNeedsPin(bool on) { m_ic.clickNeedsPin = on; }
    bool clickChoiceEnabled() const { return m_ic.punchByCard; }
    bool pinMissingShown() const {
        return m_ic.punchByCard && m_ic.clickNeedsPin && m_s.session.storedPin.isEmpty();
    }

    // dhozon: writes the fifteen settings (not over a file that could not be
    // read). False when the write failed; the fatal box was shown and the
    // program ended.
    bool dhozon();
    // Closing the screen saves: dhozon(), and the IC card options when they
    // changed.
    bool close();

    static QString unitOverText() { return QStringLiteral("３０分を超える端数処理は無効です。"); }
    static QString methodWithoutUnitText() {
        return QStringLiteral("計算単位が未登録の場合は、処理方法も無効です。");
    }
    static QString hour24Text() {
        return QStringLiteral("「24時」は無効です。「0時」に変更します。");
    }
    static QString hourRangeText() {
        return QStringLiteral("「0時」から「23時」までの時刻を設定してください。");
    }
    static QString hourEmptyText() { return QStringLiteral("未入力の場合は「0時」になります。"); }

private:
    static bool isUnitBox(int k) { return k % 3 != 2; }
    void info(const QString &text, bool quiet);
    FileError writeOntoCurrent();

    Services &m_s;
    CalcSettings m_settings;
    std::array<QString, kTextBoxes> m_text;
    std::array<QString, kRoundingBoxes> m_rounding;
    std::array<bool, kOptions> m_option{};
    bool m_unreadable = false; // Kijyun.Dat exists but could not be read
    QStringList m_stored;      // what Kijyun.Dat holds: read, or last written
    IcOptions m_ic;
    IcOptions m_icRead; // as read: the file is written only on a change
    bool m_icUnreadable = false;
};
