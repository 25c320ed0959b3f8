// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/bkgrd_form.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "tools/gui/named_combo_box.h"

namespace brisalto {
namespace {

constexpr QSize kSwatchSize(22, 14);

QIcon Swatch(TColor value) {
    QPixmap pixmap(kSwatchSize);
    pixmap.fill(ToQColor(value));
    QPainter painter(&pixmap);
    painter.setPen(QGuiApplication::palette().color(QPalette::WindowText));
    painter.drawRect(0, 0, kSwatchSize.width() - 1, kSwatchSize.height() - 1);
    return QIcon(pixmap);
}

// The box is named for what it colours (its shown value is the colour), before it has items.
QComboBox* MakeColorBox(QWidget* parent, const char* object_name, const QString& name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(object_name);
    SetComboBoxName(box, name);
    box->setEditable(false);
    box->setIconSize(kSwatchSize);
    box->setMaxVisibleItems(16);
    for (const NamedColor& color : ListedColors()) {
        box->addItem(Swatch(color.value), QCoreApplication::translate("Colors", color.name),
                     QVariant::fromValue<int>(color.value));
    }
    return box;
}

// System colours follow the palette, which may have changed since the last showing.
void RefreshSwatches(QComboBox* box) {
    for (int i = 0; i < box->count(); ++i) {
        box->setItemIcon(i, Swatch(static_cast<TColor>(box->itemData(i).toInt())));
    }
}

// No selection when the lists do not hold the colour.
void SelectColor(QComboBox* box, TColor value) {
    box->setCurrentIndex(box->findData(QVariant::fromValue<int>(value)));
}

void TakeSelectedColor(const QComboBox* box, TColor& value) {
    if (box->currentIndex() >= 0) value = static_cast<TColor>(box->currentData().toInt());
}

}  // namespace

TBkgrdForm::TBkgrdForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Background Colors"));

    auto* cmd_group = new QGroupBox(tr("Command Line"), this);
    CmdColorBox = MakeColorBox(cmd_group, "CmdColorBox", tr("Command line colour"));
    (new QVBoxLayout(cmd_group))->addWidget(CmdColorBox);

    auto* results_group = new QGroupBox(tr("Results window"), this);
    ResultsColorBox = MakeColorBox(results_group, "ResultsColorBox", tr("Results window colour"));
    (new QVBoxLayout(results_group))->addWidget(ResultsColorBox);

    OkButton = new QPushButton(tr("OK"), this);
    OkButton->setObjectName("OkButton");
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    Button3 = new QPushButton(tr("Reset"), this);
    Button3->setObjectName("Button3");
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

    auto* groups = new QVBoxLayout;
    groups->addWidget(cmd_group);
    groups->addWidget(results_group);
    groups->addStretch(1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    buttons->addSpacing(OkButton->sizeHint().height() / 2);
    buttons->addWidget(Button3);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TBkgrdForm::Run(TColor& cmd_color, TColor& results_color) {
    RefreshSwatches(CmdColorBox);
    RefreshSwatches(ResultsColorBox);
    SelectColor(CmdColorBox, cmd_color);
    SelectColor(ResultsColorBox, results_color);
    adjustSize();
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    if (exec() != QDialog::Accepted) return false;
    TakeSelectedColor(CmdColorBox, cmd_color);
    TakeSelectedColor(ResultsColorBox, results_color);
    return true;
}

void TBkgrdForm::Button3Click() {
    SelectColor(CmdColorBox, kAquaColor);
    SelectColor(ResultsColorBox, kWindowColor);
}

}  // namespace brisalto
