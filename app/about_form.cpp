// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/about_form.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>

#include "app/assets_resource.h"

namespace brisalto {
namespace {

constexpr int kClientWidth = 391;
constexpr int kClientHeight = 221;
constexpr char kPictureResource[] = ":/about/picture.svg";
constexpr char kIconResource[] = ":/about/icon.svg";
constexpr char kOkText[] = "OK";
constexpr char kLinkColor[] = "#0000ff";

QPixmap RenderSvg(const QString& resource, QSize size, qreal pixel_ratio) {
    QPixmap pixmap(size * pixel_ratio);
    pixmap.setDevicePixelRatio(pixel_ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QLabel* PictureLabel(QWidget* parent, const char* resource, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setPixmap(
        RenderSvg(QString::fromLatin1(resource), geometry.size(), parent->devicePixelRatioF()));
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    InitAssets();
    setWindowTitle(QString::fromLatin1(kAboutCaption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(8, 8, 375, 161);

    PictureLabel(this, kPictureResource, QRect(16, 16, 217, 49));
    PictureLabel(this, kIconResource, QRect(20, 84, 69, 73));

    auto* product_label = new QLabel(QString::fromLatin1(kAboutProductText), this);
    QFont product_font;
    product_font.setFamilies({QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("Arial")});
    product_font.setPixelSize(21);
    product_font.setBold(true);
    product_label->setFont(product_font);
    product_label->setGeometry(244, 26, 132, 30);

    VersionLabel_ = new QLabel(QString::fromLatin1(kAboutVersionText), this);
    QFont bold_font = font();
    bold_font.setBold(true);
    VersionLabel_->setFont(bold_font);
    VersionLabel_->setGeometry(104, 88, 270, 20);

    const QString address = QString::fromLatin1(kMakerWebAddress);
    LinkLabel_ = new QLabel(this);
    LinkLabel_->setTextFormat(Qt::RichText);
    LinkLabel_->setText(
        QStringLiteral("<a href=\"%1\" style=\"color:%2; text-decoration:underline\">%1</a>")
            .arg(address.toHtmlEscaped(), QString::fromLatin1(kLinkColor)));
    LinkLabel_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    LinkLabel_->setOpenExternalLinks(true);
    LinkLabel_->setToolTip(address);
    LinkLabel_->setGeometry(104, 112, 270, 20);

    EmailEdit_ = new QLineEdit(QString::fromLatin1(kMakerEmailAddress), this);
    EmailEdit_->setReadOnly(true);
    EmailEdit_->setFrame(false);
    QPalette email_palette = EmailEdit_->palette();
    email_palette.setColor(QPalette::Base, palette().color(QPalette::Window));
    EmailEdit_->setPalette(email_palette);
    EmailEdit_->setGeometry(104, 136, 270, 20);

    OKBtn_ = new QPushButton(QString::fromLatin1(kOkText), this);
    OKBtn_->setDefault(true);
    OKBtn_->setGeometry(158, 182, 75, 25);
    connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutForm::showEvent(QShowEvent* event) {
    if (const QScreen* screen =
            this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect centred = frameGeometry();
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }
    QDialog::showEvent(event);
    OKBtn_->setFocus();
}

}  // namespace brisalto
