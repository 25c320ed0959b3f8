// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/gui/conv_form.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <exception>

#include "tools/conversion_text.h"
#include "tools/gui/named_combo_box.h"
#include "tools/gui/palette_colors.h"
#include "tools/program_families.h"

namespace brisalto {
namespace {

// A value field and a unit list in one frame; the list is named for its side, since its shown
// value is a unit.
QGroupBox* MakeSide(QWidget* parent, const QString& title, const QString& list_name,
                    QLineEdit*& edit, QComboBox*& list, const char* edit_object,
                    const char* list_object) {
    auto* group = new QGroupBox(title, parent);
    edit = new QLineEdit(group);
    edit->setObjectName(edit_object);
    auto* unit_label = new QLabel(TConvForm::tr("Unit"), group);
    list = new QComboBox(group);
    list->setObjectName(list_object);
    list->setEditable(false);
    SetComboBoxName(list, list_name);
    unit_label->setBuddy(list);
    auto* unit_row = new QHBoxLayout;
    unit_row->addWidget(unit_label);
    unit_row->addWidget(list, 1);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(edit);
    layout->addLayout(unit_row);
    return group;
}

// The lists are narrower than some unit names; their pop-ups show the names whole.
void WidenPopup(QComboBox* list) {
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 24);
}

// A unit as the list shows it, in the user's language.
QString UnitText(const ConversionRegistry& registry, TConvType unit) {
    return QCoreApplication::translate("Units", registry.UnitDescription(unit).c_str());
}

// The registry's own (English) name of the chosen item; the shown text may be translated.
std::string ChosenName(const QComboBox* list) {
    return list->currentData().toString().toStdString();
}

// The longest unit name of any family, in characters: the unit lists are made wide enough
// for it once, so the dialog does not change size with the family.
int LongestUnitName() {
    RegisterProgramFamilies();
    const ConversionRegistry& registry = ConversionRegistry::Instance();
    qsizetype longest = 0;
    for (std::string_view name : kConversionFamilyNames) {
        if (auto family = registry.FindFamilyByName(std::string(name))) {
            for (TConvType unit : registry.UnitsOfFamily(*family)) {
                longest = std::max(longest, UnitText(registry, unit).size());
            }
        }
    }
    return static_cast<int>(longest);
}

}  // namespace

TConvForm::TConvForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Unit Conversions"));

    auto* family_label = new QLabel(tr("General Family"), this);
    FamilyComboBox = new QComboBox(this);
    FamilyComboBox->setObjectName("FamilyComboBox");
    FamilyComboBox->setEditable(false);
    SetComboBoxName(FamilyComboBox, tr("Unit family"));
    family_label->setBuddy(FamilyComboBox);
    auto* family_row = new QHBoxLayout;
    family_row->addWidget(family_label);
    family_row->addWidget(FamilyComboBox, 1);

    auto* from_side = MakeSide(this, tr("Convert from"), tr("Convert from unit"), ConvValueEdit,
                               ConvFromComboBox, "ConvValueEdit", "ConvFromComboBox");
    auto* to_side = MakeSide(this, tr("To"), tr("Convert to unit"), ConvertedValueEdit,
                             ConvToComboBox, "ConvertedValueEdit", "ConvToComboBox");
    ConvValueEdit->setAccessibleName(tr("Value to convert"));
    ConvertedValueEdit->setAccessibleName(tr("Converted value"));
    ConvertedValueEdit->setReadOnly(true);
    const int unit_chars = LongestUnitName();
    for (QComboBox* list : {ConvFromComboBox, ConvToComboBox}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(unit_chars);
    }
    auto* sides = new QHBoxLayout;
    sides->addWidget(from_side, 1);
    sides->addWidget(to_side, 1);

    InsertButton = new QPushButton(tr("Insert Value"), this);
    InsertButton->setObjectName("InsertButton");
    InsertButton->setDefault(true);
    connect(InsertButton, &QPushButton::clicked, this, &QDialog::accept);

    // Enter anywhere in the dialog inserts, also with the focus on Cancel.
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // The error keeps its room when hidden, so showing it never resizes the dialog.
    ErrorLabel = new QLabel(this);
    ErrorLabel->setObjectName("ErrorLabel");
    ErrorLabel->setWordWrap(true);
    ErrorLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ErrorLabel->setMinimumHeight(2 * ErrorLabel->fontMetrics().lineSpacing());
    QSizePolicy keep_room = ErrorLabel->sizePolicy();
    keep_room.setRetainSizeWhenHidden(true);
    keep_room.setHorizontalPolicy(QSizePolicy::Ignored);
    ErrorLabel->setSizePolicy(keep_room);
    QPalette error_palette = ErrorLabel->palette();
    error_palette.setColor(QPalette::WindowText, ErrorTextColor(error_palette));
    ErrorLabel->setPalette(error_palette);
    ErrorLabel->hide();

    auto* bottom_row = new QHBoxLayout;
    bottom_row->addWidget(ErrorLabel, 1);
    bottom_row->addWidget(InsertButton, 0, Qt::AlignBottom);
    bottom_row->addWidget(CancelButton, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(family_row);
    layout->addLayout(sides);
    layout->addLayout(bottom_row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(FamilyComboBox, &QComboBox::activated, this, [this] { FamilyComboBoxSelect(); });
    connect(ConvValueEdit, &QLineEdit::textChanged, this, [this] { ConvValueEditChange(); });
    connect(ConvFromComboBox, &QComboBox::activated, this, [this] { ConvValueEditChange(); });
    connect(ConvToComboBox, &QComboBox::activated, this, [this] { ConvValueEditChange(); });

    FormCreate();
}

void TConvForm::FormCreate() {
    RegisterProgramFamilies();
    for (std::string_view name : kConversionFamilyNames) {
        const std::string english(name);
        FamilyComboBox->addItem(QCoreApplication::translate("UnitFamilies", english.c_str()),
                                QString::fromStdString(english));
    }
    FamilyComboBox->setCurrentIndex(0);
}

void TConvForm::FormShow() {
    FamilyComboBoxSelect();
    ConvValueEdit->setFocus();
}

void TConvForm::FamilyComboBoxSelect() {
    const ConversionRegistry& registry = ConversionRegistry::Instance();
    if (auto family = registry.FindFamilyByName(ChosenName(FamilyComboBox))) {
        CurrentFamily = *family;
    }
    ConvFromComboBox->setUpdatesEnabled(false);
    ConvToComboBox->setUpdatesEnabled(false);
    ConvFromComboBox->clear();
    ConvToComboBox->clear();
    for (TConvType unit : registry.UnitsOfFamily(CurrentFamily)) {
        const QString shown = UnitText(registry, unit);
        const QString english = QString::fromStdString(registry.UnitDescription(unit));
        ConvFromComboBox->addItem(shown, english);
        ConvToComboBox->addItem(shown, english);
    }
    ConvFromComboBox->setCurrentIndex(0);
    ConvToComboBox->setCurrentIndex(0);
    WidenPopup(ConvFromComboBox);
    WidenPopup(ConvToComboBox);
    ConvFromComboBox->setUpdatesEnabled(true);
    ConvToComboBox->setUpdatesEnabled(true);
    ConvValueEditChange();
}

void TConvForm::ConvValueEditChange() {
    const ConversionRegistry& registry = ConversionRegistry::Instance();
    if (auto unit = registry.FindUnitByName(ChosenName(ConvFromComboBox))) {
        FromUnit = *unit;
    }
    if (auto unit = registry.FindUnitByName(ChosenName(ConvToComboBox))) {
        ToUnit = *unit;
    }
    try {
        const std::string result =
            ConvValueText(ConvValueEdit->text().toStdString(), FromUnit, ToUnit);
        ConvertedValueEdit->setText(QString::fromStdString(result));
        ErrorLabel->hide();
    } catch (const std::exception& error) {
        // The result field keeps its text: the user sees the last value that did convert.
        ShowError(QString::fromUtf8(error.what()));
    }
}

std::optional<QString> TConvForm::Run() {
    adjustSize();
    if (const QScreen* desktop = screen()) {
        move(desktop->availableGeometry().center() - rect().center());
    }
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ConvertedValueEdit->text();
}

void TConvForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TConvForm::ShowError(const QString& message) {
    ErrorLabel->setText(message);
    ErrorLabel->setToolTip(message);
    ErrorLabel->show();
}

}  // namespace brisalto
