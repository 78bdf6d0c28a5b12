#include "app/toolbar_accessible.h"

#include <QAccessibleWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

class ToolbarButtonAccessible : public QAccessibleWidget {
public:
    explicit ToolbarButtonAccessible(QToolButton* button)
        : QAccessibleWidget(button, QAccessible::PushButton) {}

    // Asked each time: the button becomes checkable only once it shows its
    // command.
    QAccessible::Role role() const override {
        return Button()->isCheckable() ? QAccessible::CheckBox : QAccessible::PushButton;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const QToolButton* b = Button();
        s.checkable = b->isCheckable();
        s.checked = b->isChecked();
        s.pressed = b->isDown();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = {pressAction()};
        if (Button()->isCheckable()) names << toggleAction();
        return names;
    }

    void doAction(const QString& name) override {
        if (!widget()->isEnabled()) return;
        if (name == pressAction() || name == toggleAction()) Button()->click();
    }

private:
    QToolButton* Button() const { return static_cast<QToolButton*>(widget()); }
};

QAccessibleInterface* ToolbarButtonFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QToolButton")) return nullptr;
    auto* button = qobject_cast<QToolButton*>(object);
    if (button == nullptr || qobject_cast<QToolBar*>(button->parentWidget()) == nullptr) {
        return nullptr;
    }
    return new ToolbarButtonAccessible(button);
}

}  // namespace

void InstallToolbarAccessibility() {
    static bool installed = false;
    if (installed) return;
    QAccessible::installFactory(ToolbarButtonFactory);
    installed = true;
}
