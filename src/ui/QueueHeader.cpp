#include "ui/QueueHeader.h"

#include "queue/AppViewModel.h"
#include "queue/SizeText.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QueueHeader::QueueHeader(AppViewModel* model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_status(new QLabel(this))
    , m_remaining(new QLabel(this))
    , m_saved(new QLabel(this))
    , m_clearFinished(new QPushButton(tr("Clear finished"), this))
    , m_clearQueue(new QPushButton(tr("Clear queue"), this))
{
    setObjectName(QStringLiteral("header"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Theme::defaultSpacing);

    auto* lines = new QVBoxLayout;
    lines->setSpacing(4);
    auto* title = new QLabel(tr("Selected Images"), this);
    title->setObjectName(QStringLiteral("queueTitle"));
    Theme::applyTextStyle(title, Theme::TextStyle::title2, true);
    lines->addWidget(title);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    Theme::applyTextStyle(m_status, Theme::TextStyle::callout);
    Theme::applyColor(m_status, NamedColor::secondary);
    m_status->setTextFormat(Qt::PlainText);
    lines->addWidget(m_status);
    m_remaining->setObjectName(QStringLiteral("remainingLabel"));
    Theme::applyTextStyle(m_remaining, Theme::TextStyle::caption);
    Theme::applyColor(m_remaining, NamedColor::secondary);
    m_remaining->setTextFormat(Qt::PlainText);
    lines->addWidget(m_remaining);
    m_saved->setObjectName(QStringLiteral("savedLabel"));
    Theme::applyTextStyle(m_saved, Theme::TextStyle::caption);
    Theme::applyColor(m_saved, NamedColor::secondary);
    m_saved->setTextFormat(Qt::PlainText);
    lines->addWidget(m_saved);
    layout->addLayout(lines, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    m_clearFinished->setObjectName(QStringLiteral("clearFinishedButton"));
    m_clearFinished->setAccessibleDescription(tr("Removes the images that are done from the queue."));
    m_clearQueue->setObjectName(QStringLiteral("clearQueueButton"));
    m_clearQueue->setAccessibleDescription(tr("Removes every image from the queue but the one being optimized."));
    for (QPushButton* button : {m_clearFinished, m_clearQueue}) {
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    layout->setAlignment(buttons, Qt::AlignVCenter);

    connect(m_clearFinished, &QPushButton::clicked, model, &AppViewModel::clearFinished);
    connect(m_clearQueue, &QPushButton::clicked, model, &AppViewModel::clearQueueExceptRunning);

    connect(model, &AppViewModel::statusMessageChanged, this, &QueueHeader::refresh);
    connect(model, &AppViewModel::jobsChanged, this, &QueueHeader::refresh);
    connect(model, &AppViewModel::isProcessingChanged, this, &QueueHeader::refresh);
    connect(model, &AppViewModel::apiKeyChanged, this, &QueueHeader::refresh);
    connect(model, &AppViewModel::engineChanged, this, &QueueHeader::refresh);
    QAbstractItemModel* jobs = model->jobModel();
    connect(jobs, &QAbstractItemModel::rowsInserted, this, &QueueHeader::refresh);
    connect(jobs, &QAbstractItemModel::rowsRemoved, this, &QueueHeader::refresh);
    connect(jobs, &QAbstractItemModel::modelReset, this, &QueueHeader::refresh);
    connect(jobs, &QAbstractItemModel::dataChanged, this, &QueueHeader::refresh);
    refresh();
}

QList<QWidget*> QueueHeader::focusChain() const
{
    return {m_clearFinished, m_clearQueue};
}

QString QueueHeader::statusText(const QString& statusMessage, qsizetype jobCount, bool keyMissing)
{
    if (!statusMessage.isEmpty()) {
        return statusMessage;
    }
    return jobCount == 0 ? tr("Add files to begin.")
           : keyMissing  ? tr("Enter your API key to begin.")
                         : tr("Press Optimize to begin.");
}

QString QueueHeader::remainingText(int remaining)
{
    return tr("%n image(s) left to optimize", nullptr, remaining);
}

void QueueHeader::refresh()
{
    const QList<ImageJob>& jobs = m_model->jobs();
    // The engine on this computer needs no key, so only the service asks for one.
    const bool keyMissing = m_model->needsApiKey() && m_model->apiKey().trimmed().isEmpty();
    m_status->setText(statusText(m_model->statusMessage(), jobs.size(), keyMissing));
    const AppViewModel::Tally tally = m_model->tally();
    // The count line is there only for two jobs or more.
    m_remaining->setVisible(jobs.size() >= 2);
    if (jobs.size() >= 2) {
        m_remaining->setText(remainingText(tally.remaining));
    }
    // Shown once a finished job has told its sizes.
    m_saved->setVisible(tally.savings.jobs > 0);
    if (tally.savings.jobs > 0) {
        m_saved->setText(SizeText::saved(tally.savings.originalBytes, tally.savings.optimizedBytes));
    }
    m_clearFinished->setEnabled(tally.succeeded > 0);
    m_clearQueue->setEnabled(!jobs.isEmpty());
}
