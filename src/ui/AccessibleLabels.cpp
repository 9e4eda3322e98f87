#include "ui/AccessibleLabels.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr const char* kFollowsEntry = "snapvaleAccessibleFollowsEntry";

class LabelledComboAccessible final : public QAccessibleWidget {
public:
    explicit LabelledComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString shown() const {
        return combo()->isEditable() && combo()->lineEdit() ? combo()->lineEdit()->text()
                                                            : combo()->currentText();
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value || (t == QAccessible::Name && QAccessibleWidget::text(t).isEmpty()))
            return shown();
        // The bus carries no value text for a combo box, so the entry shown leads its
        // description: a screen reader says which one is chosen without opening it.
        if (t == QAccessible::Description) {
            const QString own = QAccessibleWidget::text(t);
            if (own.isEmpty() || own == shown()) return shown();
            return shown().isEmpty() ? own : shown() + QStringLiteral(". ") + own;
        }
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
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType()) {
        auto* combo = static_cast<QComboBox*>(object);
        // Tell listeners the description changed with the entry, once for each box.
        if (!combo->property(kFollowsEntry).toBool()) {
            combo->setProperty(kFollowsEntry, true);
            QObject::connect(combo, &QComboBox::currentTextChanged, combo, [combo] {
                QAccessibleEvent event(combo, QAccessible::DescriptionChanged);
                QAccessible::updateAccessibility(&event);
            });
        }
        return new LabelledComboAccessible(combo);
    }
    return nullptr;
}

void installAccessibleLabels() {
    static const bool installed = [] {
        QAccessible::installFactory(labelledComboFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void nameToolBarOverflow(QToolBar* toolBar) {
    if (!toolBar) return;
    auto* more = toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    if (!more) return;
    more->setAccessibleName(QObject::tr("More commands"));
    more->setToolTip(QObject::tr("The commands that do not fit on the tool bar"));
}
