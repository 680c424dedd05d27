#pragma once

#include "maintenance/BackupRestore.h"
#include "screen/ui/WorkingScreen.h"

class BackupFolderChooser;
class EntryBox;
class MonthListWidget;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolBar;

// " データのバックアップ＆復元": copies card months to a backup folder and
// back. The rules live in BackupRestore; this widget forwards events and
// shows its state.
class frmbp : public WorkingScreen {
    Q_OBJECT
public:
    explicit frmbp(ScreenContext &ctx, QWidget *parent = nullptr);

    const BackupRestore &logic() const { return m_logic; }
    BackupFolderChooser *chooser() const { return m_chooser; }

protected:
    bool load() override;
    void guideShowing(bool shown) override;

private:
    QWidget *buildMain();
    QFrame *buildGuide();
    void createFolder();
    void copy();
    void render();

    BackupRestore m_logic;
    QToolBar *m_toolbar = nullptr;
    QWidget *m_main = nullptr;
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    BackupFolderChooser *m_chooser = nullptr;
    EntryBox *m_text1 = nullptr;
    QPushButton *m_command3 = nullptr;
    MonthListWidget *m_list = nullptr;
    QCheckBox *m_basics = nullptr;
    QPushButton *m_command1 = nullptr;
    QLabel *m_label3 = nullptr;
};
