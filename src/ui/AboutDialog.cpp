#include "ui/AboutDialog.h"

#include "model/Version.h"
#include "ui/AppIcon.h"
#include "ui/ApplicationInfo.h"
#include "ui/LinkButton.h"
#include "ui/Links.h"
#include "ui/Theme.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* label(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(title());
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(48, 20, 48, 16);
    layout->setSpacing(Theme::defaultSpacing);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(AppIcon::icon().pixmap(QSize(64, 64), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignHCenter);
    layout->addWidget(icon);

    auto* name = label(QStringLiteral("Tovalin Image Optimizer"), QStringLiteral("aboutName"), this);
    Theme::applyTextStyle(name, Theme::TextStyle::title2, true);
    layout->addWidget(name);
    layout->addWidget(
        label(tr("Version %1").arg(QString::fromLatin1(Version::text)), QStringLiteral("aboutVersion"), this));
    auto* summary = label(tr("Optimizes images with the Tovalin service."), QStringLiteral("aboutSummary"), this);
    Theme::applyColor(summary, NamedColor::secondary);
    layout->addWidget(summary);
    layout->addWidget(label(tr("Released under the %1 licence.").arg(QString::fromLatin1(ApplicationInfo::licence)),
                            QStringLiteral("aboutLicence"), this));

    layout->addSpacing(Theme::defaultSpacing);
    const auto link = [&](const QString& text, const QUrl& url, const QString& objectName) {
        auto* button = new LinkButton(text, url, this);
        button->setObjectName(objectName);
        layout->addWidget(button, 0, Qt::AlignHCenter);
    };
    link(QStringLiteral("tovalin.io"), Links::home(), QStringLiteral("aboutHomeLink"));
    link(tr("Get an API key"), Links::signUp(), QStringLiteral("aboutSignUpLink"));
    link(tr("Contact us"), Links::contact(), QStringLiteral("aboutContactLink"));

    layout->addSpacing(Theme::defaultSpacing);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("aboutButtons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Return and Escape close it; no link is underlined as focused when it opens.
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setDefault(true);
    close->setFocus();
}

QString AboutDialog::title()
{
    return tr("About Tovalin Image Optimizer");
}
