// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The about box: product picture, icon, version, the maker's web address as a link and the
// e-mail address in a selectable field. Created once at start-up and shown modally.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brisalto {

inline constexpr char kAboutProductText[] = "Calculator";
inline constexpr char kMakerWebAddress[] = "https://www.brisalto.example/calculator";
inline constexpr char kMakerEmailAddress[] = "calculator@brisalto.example";

class TAboutForm : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutForm(QWidget* parent = nullptr);

    QLabel* VersionLabel() const { return VersionLabel_; }
    QLabel* LinkLabel() const { return LinkLabel_; }
    QLineEdit* EmailEdit() const { return EmailEdit_; }
    QPushButton* OKBtn() const { return OKBtn_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* VersionLabel_ = nullptr;
    QLabel* LinkLabel_ = nullptr;
    QLineEdit* EmailEdit_ = nullptr;
    QPushButton* OKBtn_ = nullptr;
};

}  // namespace brisalto
