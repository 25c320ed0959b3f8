// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Drop-down lists named for what they choose. On Linux Qt gives a combo box its current item as
// its accessible name, so two lists showing "Window" could not be told apart; a list with an
// accessible name of its own is read by that name, its item as its value.
#pragma once

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace brisalto {

class NamedComboBoxAccessible : public QAccessibleWidget {
  public:
    explicit NamedComboBoxAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return Box()->accessibleName();
        if (kind == QAccessible::Value) return Box()->currentText();
        return QAccessibleWidget::text(kind);
    }

    // Its one child is the list of items, as for any combo box.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(Box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == Box()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) Box()->showPopup();
    }

  private:
    QComboBox* Box() const { return static_cast<QComboBox*>(object()); }
};

inline QAccessibleInterface* NamedComboBoxFactory(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String("QComboBox")) return nullptr;
    auto* box = qobject_cast<QComboBox*>(object);
    if (box == nullptr || box->accessibleName().isEmpty()) return nullptr;
    return new NamedComboBoxAccessible(box);
}

// Gives box its accessible name; call before it has items (adding one tells assistive
// technology, which then reads the box as Qt names it).
inline void SetComboBoxName(QComboBox* box, const QString& name) {
    static const bool installed = [] {
        QAccessible::installFactory(NamedComboBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
    box->setAccessibleName(name);
}

}  // namespace brisalto
