#pragma once

#include <QDialog>
#include <functional>

class QPrinter;
class QPrintPreviewWidget;
class QLabel;

// The preview of a print run's sheets, page by page, with its own buttons:
// "印刷" closes it and asks for the run on the printer.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(QPrinter &printer, const QString &title, std::function<void(QPrinter &)> paint,
                  QWidget *parent);
    bool printAsked() const { return m_print; }

private:
    void showPage();

    QPrintPreviewWidget *m_view;
    QLabel *m_page;
    bool m_print = false;
};
