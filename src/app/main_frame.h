#pragma once

#include <QMainWindow>

class QLabel;
class CKLVNView;
struct CKLVNDoc;

// The main window: the OpenGL view of the document and a status bar whose
// message pane shows the simulation's status line.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CKLVNDoc& doc);

    // Replaces the text of a status bar pane (0 is the message pane).
    void SetStatusText(int pane, const char* text);
    QString StatusText(int pane) const;

    CKLVNView* View() const { return view_; }
    QWidget* ViewContainer() const { return container_; }

private:
    CKLVNView* view_;
    QWidget* container_;
    QLabel* messagePane_;
};
