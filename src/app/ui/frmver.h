#pragma once

#include <QDialog>

// The version window.
class frmver : public QDialog {
    Q_OBJECT
public:
    explicit frmver(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
