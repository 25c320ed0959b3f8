// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/gui/conv_form.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <exception>

#include "tools/conversion_text.h"
#include "tools/program_families.h"

namespace brisalto {
namespace {

constexpr char kCaption[] = "Unit Conversions";
constexpr char kFamilyLabelText[] = "General Family";
constexpr char kConvertFromText[] = "Convert from";
constexpr char kToText[] = "To";
constexpr char kUnitLabelText[] = "Unit";
constexpr char kInsertValueText[] = "Insert Value";
constexpr char kCancelText[] = "Cancel";
constexpr int kClientWidth = 342;
constexpr int kClientHeight = 175;
constexpr int kErrorFontPixels = 11;
const QColor kErrorColor(200, 0, 0);

QComboBox* MakeList(QWidget* parent, const char* name, const QRect& place) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->setGeometry(place);
    return list;
}

// A value field, the "Unit" label and a unit list in one frame.
QGroupBox* MakeSide(QWidget* parent, const char* title, const QRect& place, QLineEdit*& edit,
                    QComboBox*& list, const char* edit_name, const char* list_name) {
    auto* group = new QGroupBox(title, parent);
    group->setGeometry(place);
    edit = new QLineEdit(group);
    edit->setObjectName(edit_name);
    edit->setGeometry(6, 22, place.width() - 12, 24);
    auto* unit_label = new QLabel(kUnitLabelText, group);
    unit_label->setGeometry(6, 56, 26, 24);
    list = MakeList(group, list_name, QRect(32, 56, place.width() - 38, 24));
    // The window is narrow for the longer unit names; a smaller font shows most of them whole.
    QFont list_font = list->font();
    list_font.setPixelSize(11);
    list->setFont(list_font);
    unit_label->setBuddy(list);
    return group;
}

// The lists are narrower than some unit names; their pop-ups show the names whole.
void WidenPopup(QComboBox* list) {
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 24);
}

}  // namespace

TConvForm::TConvForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kCaption);
    setFixedSize(kClientWidth, kClientHeight);

    auto* family_label = new QLabel(kFamilyLabelText, this);
    family_label->setGeometry(6, 8, 96, 24);
    FamilyComboBox = MakeList(this, "FamilyComboBox", QRect(108, 8, 230, 24));
    family_label->setBuddy(FamilyComboBox);

    MakeSide(this, kConvertFromText, QRect(4, 40, 165, 92), ConvValueEdit, ConvFromComboBox,
             "ConvValueEdit", "ConvFromComboBox");
    MakeSide(this, kToText, QRect(173, 40, 165, 92), ConvertedValueEdit, ConvToComboBox,
             "ConvertedValueEdit", "ConvToComboBox");
    ConvertedValueEdit->setReadOnly(true);

    InsertButton = new QPushButton(kInsertValueText, this);
    InsertButton->setObjectName("InsertButton");
    InsertButton->setGeometry(179, 142, 84, 25);
    InsertButton->setDefault(true);
    connect(InsertButton, &QPushButton::clicked, this, &QDialog::accept);

    // Enter anywhere in the dialog inserts, also with the focus on Cancel.
    CancelButton = new QPushButton(kCancelText, this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setGeometry(269, 142, 69, 25);
    CancelButton->setAutoDefault(false);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    ErrorLabel = new QLabel(this);
    ErrorLabel->setObjectName("ErrorLabel");
    ErrorLabel->setGeometry(6, 134, 167, 38);
    ErrorLabel->setWordWrap(true);
    ErrorLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont error_font = ErrorLabel->font();
    error_font.setPixelSize(kErrorFontPixels);
    ErrorLabel->setFont(error_font);
    QPalette error_palette = ErrorLabel->palette();
    error_palette.setColor(QPalette::WindowText, kErrorColor);
    ErrorLabel->setPalette(error_palette);
    ErrorLabel->hide();

    connect(FamilyComboBox, &QComboBox::activated, this, [this] { FamilyComboBoxSelect(); });
    connect(ConvValueEdit, &QLineEdit::textChanged, this, [this] { ConvValueEditChange(); });
    connect(ConvFromComboBox, &QComboBox::activated, this, [this] { ConvValueEditChange(); });
    connect(ConvToComboBox, &QComboBox::activated, this, [this] { ConvValueEditChange(); });

    FormCreate();
}

void TConvForm::FormCreate() {
    RegisterProgramFamilies();
    for (std::string_view name : kConversionFamilyNames) {
        FamilyComboBox->addItem(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    }
    FamilyComboBox->setCurrentIndex(0);
}

void TConvForm::FormShow() {
    FamilyComboBoxSelect();
    ConvValueEdit->setFocus();
}

void TConvForm::FamilyComboBoxSelect() {
    const ConversionRegistry& registry = ConversionRegistry::Instance();
    if (auto family = registry.FindFamilyByName(FamilyComboBox->currentText().toStdString())) {
        CurrentFamily = *family;
    }
    ConvFromComboBox->setUpdatesEnabled(false);
    ConvToComboBox->setUpdatesEnabled(false);
    ConvFromComboBox->clear();
    ConvToComboBox->clear();
    for (TConvType unit : registry.UnitsOfFamily(CurrentFamily)) {
        const QString description = QString::fromStdString(registry.UnitDescription(unit));
        ConvFromComboBox->addItem(description);
        ConvToComboBox->addItem(description);
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
    if (auto unit = registry.FindUnitByName(ConvFromComboBox->currentText().toStdString())) {
        FromUnit = *unit;
    }
    if (auto unit = registry.FindUnitByName(ConvToComboBox->currentText().toStdString())) {
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
