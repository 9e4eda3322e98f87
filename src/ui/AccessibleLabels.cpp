#include "ui/AccessibleLabels.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

class LabelledComboAccessible final : public QAccessibleWidget {
public:
    explicit LabelledComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value || (t == QAccessible::Name && QAccessibleWidget::text(t).isEmpty()))
            return combo()->isEditable() && combo()->lineEdit() ? combo()->lineEdit()->text()
                                                                : combo()->currentText();
        // The accessible name set in the code, else the buddy label's text.
        return QAccessibleWidget::text(t);
    }

    // The list that pops up, and the edit field of an editable combo box.
    int childCount() const override { return combo()->isEditable() && combo()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->isEditable())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == combo()->view()) return 0;
        if (combo()->isEditable() && child->object() == combo()->lineEdit()) return 1;
        return -1;
    }

    QStringList actionNames() const override {
        return QStringList({showMenuAction(), pressAction()}) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != showMenuAction() && name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (!combo()->isEnabled()) return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

}  // namespace

QAccessibleInterface* labelledComboFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new LabelledComboAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

void installAccessibleLabels() {
    static const bool installed = [] {
        QAccessible::installFactory(labelledComboFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
