// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/bkgrd_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace brisalto {
namespace {

constexpr char kCaption[] = "Background Colors";
constexpr char kCmdGroupText[] = "Command Line";
constexpr char kResultsGroupText[] = "Results window";
constexpr char kOkText[] = "OK";
constexpr char kCancelText[] = "Cancel";
constexpr char kResetText[] = "Reset";
constexpr int kClientWidth = 302;
constexpr int kClientHeight = 151;
constexpr QSize kSwatchSize(22, 14);

QIcon Swatch(TColor value) {
    QPixmap pixmap(kSwatchSize);
    pixmap.fill(ToQColor(value));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kSwatchSize.width() - 1, kSwatchSize.height() - 1);
    return QIcon(pixmap);
}

QComboBox* MakeColorBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false);
    box->setIconSize(kSwatchSize);
    box->setMaxVisibleItems(16);
    for (const NamedColor& color : ListedColors()) {
        box->addItem(Swatch(color.value), color.name, QVariant::fromValue<int>(color.value));
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
    setWindowTitle(kCaption);
    setFixedSize(kClientWidth, kClientHeight);

    auto* cmd_group = new QGroupBox(kCmdGroupText, this);
    cmd_group->setGeometry(8, 6, 200, 64);
    CmdColorBox = MakeColorBox(cmd_group, "CmdColorBox");
    CmdColorBox->setGeometry(10, 26, 180, 26);

    auto* results_group = new QGroupBox(kResultsGroupText, this);
    results_group->setGeometry(8, 80, 200, 64);
    ResultsColorBox = MakeColorBox(results_group, "ResultsColorBox");
    ResultsColorBox->setGeometry(10, 26, 180, 26);

    OkButton = new QPushButton(kOkText, this);
    OkButton->setObjectName("OkButton");
    OkButton->setGeometry(218, 12, 76, 25);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    CancelButton = new QPushButton(kCancelText, this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(218, 44, 76, 25);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    Button3 = new QPushButton(kResetText, this);
    Button3->setObjectName("Button3");
    Button3->setGeometry(218, 86, 76, 25);
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
}

bool TBkgrdForm::Run(TColor& cmd_color, TColor& results_color) {
    RefreshSwatches(CmdColorBox);
    RefreshSwatches(ResultsColorBox);
    SelectColor(CmdColorBox, cmd_color);
    SelectColor(ResultsColorBox, results_color);
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
