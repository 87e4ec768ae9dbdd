#include "ui/Sidebar.h"

#include "queue/AppViewModel.h"
#include "ui/Binding.h"
#include "ui/FilledButton.h"
#include "ui/FolderPicker.h"
#include "ui/GrayButtonStyle.h"
#include "ui/Icons.h"
#include "ui/LinkButton.h"
#include "ui/Links.h"
#include "ui/RedButtonStyle.h"
#include "ui/SegmentedControl.h"
#include "ui/Theme.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    Theme::applyTextStyle(label, Theme::TextStyle::caption);
    Theme::applyColor(label, NamedColor::secondary);
    return label;
}

// An icon-only button; its accessible name is its tooltip, or `name` when it has none.
QToolButton* iconButton(const QString& symbol, const QColor& color, const QString& toolTip, const QString& name,
                        QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(Icons::icon(symbol, color));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip.isEmpty() ? name : toolTip);
    return button;
}

QToolButton* helpButton(const QUrl& url, const QString& toolTip, const QString& topic, QWidget* parent)
{
    auto* button = iconButton(QStringLiteral("questionmark.circle"), Theme::color(NamedColor::secondary), toolTip,
                              Sidebar::tr("Help: %1").arg(topic), parent);
    // Plain style: no border or background, also when hovered.
    button->setStyleSheet(
        QStringLiteral("QToolButton { border: none; background: transparent; padding: 1px; }"
                       "QToolButton:focus { border: 1px solid palette(highlight); border-radius: 3px; }"));
    button->setAccessibleDescription(Sidebar::tr("Opens the article in the web browser."));
    QObject::connect(button, &QToolButton::clicked, button, [url] { Links::open(url); });
    return button;
}

QVBoxLayout* column(QWidget* widget, int spacing)
{
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

QHBoxLayout* row(int spacing)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

QCheckBox* checkBox(const QString& text, const QString& name, const QString& description, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setAccessibleDescription(description);
    return box;
}

} // namespace

Sidebar::Sidebar(AppViewModel* model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("sidebar"));
    setFixedWidth(contentWidth);
    auto* layout = column(this, 18);
    layout->addWidget(makeTitle());
    layout->addWidget(makeEngineBlock());
    m_apiKeyBlock = makeApiKeyBlock();
    layout->addWidget(m_apiKeyBlock);
    layout->addWidget(makeCompressionBlock());
    layout->addWidget(makeFormatsBlock());
    layout->addWidget(makeResizeBlock());
    layout->addWidget(makeOptionsBlock());
    layout->addWidget(makeResultsBlock());
    layout->addStretch(1);
    layout->addWidget(makeActionBlock());
    setApiKeyShown(false);

    // canOptimize is computed on reading: look again whenever anything it depends on may have changed.
    connect(model, &AppViewModel::apiKeyChanged, this, &Sidebar::refreshActions);
    connect(model, &AppViewModel::engineChanged, this, &Sidebar::refreshActions);
    connect(model, &AppViewModel::jobsChanged, this, &Sidebar::refreshActions);
    connect(model, &AppViewModel::isProcessingChanged, this, &Sidebar::refreshActions);
    QAbstractItemModel* jobs = model->jobModel();
    connect(jobs, &QAbstractItemModel::rowsInserted, this, &Sidebar::refreshActions);
    connect(jobs, &QAbstractItemModel::rowsRemoved, this, &Sidebar::refreshActions);
    connect(jobs, &QAbstractItemModel::modelReset, this, &Sidebar::refreshActions);
    connect(jobs, &QAbstractItemModel::dataChanged, this, &Sidebar::refreshActions);
    refreshActions();
}

QWidget* Sidebar::makeTitle()
{
    auto* title = new QLabel(QStringLiteral("Tovalin Image Optimizer"), this);
    title->setObjectName(QStringLiteral("sidebarTitle"));
    Theme::applyTextStyle(title, Theme::TextStyle::title2, true);
    return title;
}

QWidget* Sidebar::makeEngineBlock()
{
    auto* block = new QWidget(this);
    auto* layout = column(block, 6);
    layout->addWidget(heading(tr("Service"), block));
    auto* picker = new SegmentedControl(block);
    picker->setObjectName(QStringLiteral("enginePicker"));
    for (const Engine engine : allCases<Engine>()) {
        picker->addSegment(label(engine), rawValue(engine));
    }
    picker->setTitle(tr("Service"), tr("where the images are optimized"));
    Binding::bindSelection(picker, m_model, &AppViewModel::engine, &AppViewModel::setEngine,
                           &AppViewModel::engineChanged);
    layout->addWidget(picker);
    return block;
}

QWidget* Sidebar::makeApiKeyBlock()
{
    auto* block = new QWidget(this);
    auto* layout = column(block, 6);

    auto* labels = row(6);
    labels->addWidget(heading(tr("API Key"), block));
    auto* signUp = new LinkButton(tr("(Get an API Key)"), Links::signUp(), block);
    signUp->setObjectName(QStringLiteral("signUpLink"));
    Theme::applyTextStyle(signUp, Theme::TextStyle::caption);
    labels->addWidget(signUp);
    labels->addStretch(1);
    layout->addLayout(labels);

    auto* field = row(Theme::defaultSpacing);
    m_apiKeyField = new QLineEdit(block);
    m_apiKeyField->setObjectName(QStringLiteral("apiKeyField"));
    m_apiKeyField->setPlaceholderText(tr("Your 20-character API key"));
    m_apiKeyField->setClearButtonEnabled(false);
    m_apiKeyField->setAccessibleName(tr("API Key"));
    m_apiKeyField->setAccessibleDescription(tr("The API key of your Tovalin account. It is kept for the next start."));
    Binding::bindText(m_apiKeyField, m_model, &AppViewModel::apiKey, &AppViewModel::setApiKey,
                      &AppViewModel::apiKeyChanged);
    field->addWidget(m_apiKeyField, 1);
    m_visibilityButton =
        iconButton(QStringLiteral("eye"), palette().color(QPalette::WindowText), QString(), QString(), block);
    m_visibilityButton->setObjectName(QStringLiteral("apiKeyVisibilityButton"));
    connect(m_visibilityButton, &QToolButton::clicked, this, &Sidebar::apiKeyVisibilityToggled);
    field->addWidget(m_visibilityButton);
    layout->addLayout(field);
    return block;
}

void Sidebar::setApiKeyShown(bool shown)
{
    m_apiKeyField->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    const QString toolTip = shown ? tr("Hide key") : tr("Show key");
    const QString symbol = shown ? QStringLiteral("eye.slash") : QStringLiteral("eye");
    m_visibilityButton->setIcon(Icons::icon(symbol, palette().color(QPalette::WindowText)));
    m_visibilityButton->setToolTip(toolTip);
    m_visibilityButton->setAccessibleName(toolTip);
    m_visibilityButton->setAccessibleDescription(shown ? tr("Masks the API key again.")
                                                       : tr("Shows the API key in plain text."));
    m_visibilityButton->setProperty("symbol", symbol);
}

QWidget* Sidebar::makeCompressionBlock()
{
    auto* block = new QWidget(this);
    auto* layout = column(block, 10);
    auto* title = row(6);
    title->addWidget(heading(tr("Densora Level"), block));
    auto* help = helpButton(Links::compressionLevels(), tr("Learn about Lossy, Glossy, and Lossless"),
                            tr("Compression levels"), block);
    help->setObjectName(QStringLiteral("compressionHelpButton"));
    title->addWidget(help);
    title->addStretch(1);
    layout->addLayout(title);

    auto* picker = new SegmentedControl(block);
    picker->setObjectName(QStringLiteral("compressionPicker"));
    for (const Compression level : compressionDisplayOrder()) {
        picker->addSegment(label(level), rawValue(level));
    }
    picker->setTitle(tr("Densora Level"), tr("how strongly images are compressed"));
    Binding::bindSelection(picker, m_model, &AppViewModel::compression, &AppViewModel::setCompression,
                           &AppViewModel::compressionChanged);
    layout->addWidget(picker);
    return block;
}

QWidget* Sidebar::makeFormatsBlock()
{
    auto* block = new QWidget(this);
    auto* layout = column(block, 8);
    layout->addWidget(heading(tr("Next Generation Images"), block));
    auto* webp = checkBox(tr("Create WebP (+ keep original)"), QStringLiteral("convertToWebPCheckBox"),
                          tr("Also saves a WebP version beside each image."), block);
    Binding::bindChecked(webp, m_model, &AppViewModel::convertToWebP, &AppViewModel::setConvertToWebP,
                         &AppViewModel::convertToWebPChanged);
    layout->addWidget(webp);
    auto* avif = checkBox(tr("Create AVIF (+ keep original)"), QStringLiteral("convertToAVIFCheckBox"),
                          tr("Also saves an AVIF version beside each image."), block);
    Binding::bindChecked(avif, m_model, &AppViewModel::convertToAVIF, &AppViewModel::setConvertToAVIF,
                         &AppViewModel::convertToAVIFChanged);
    layout->addWidget(avif);
    return block;
}

QWidget* Sidebar::makeResizeBlock()
{
    auto* block = new QWidget(this);
    auto* layout = column(block, 8);
    auto* title = row(6);
    title->addWidget(heading(tr("Resize"), block));
    auto* help =
        helpButton(Links::automaticResize(), tr("Learn how Tovalin resizes images automatically"), tr("Resize"), block);
    help->setObjectName(QStringLiteral("resizeHelpButton"));
    title->addWidget(help);
    title->addStretch(1);
    layout->addLayout(title);

    auto* picker = new SegmentedControl(block);
    picker->setObjectName(QStringLiteral("resizePicker"));
    for (const ResizeMode mode : allCases<ResizeMode>()) {
        picker->addSegment(label(mode), rawValue(mode));
    }
    picker->setTitle(tr("Resize"), tr("how images are fitted to the width and height"));
    Binding::bindSelection(picker, m_model, &AppViewModel::resizeMode, &AppViewModel::setResizeMode,
                           &AppViewModel::resizeModeChanged);
    layout->addWidget(picker);

    m_resizeFields = new QWidget(block);
    m_resizeFields->setObjectName(QStringLiteral("resizeFields"));
    auto* fields = new QHBoxLayout(m_resizeFields);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->setSpacing(Theme::defaultSpacing);
    const auto dimensionField = [this](const QString& placeholder, const QString& description, const QString& name) {
        auto* field = new QLineEdit(m_resizeFields);
        field->setObjectName(name);
        field->setPlaceholderText(placeholder);
        field->setAccessibleName(placeholder);
        field->setAccessibleDescription(description);
        field->setFixedWidth(80);
        Theme::applyTextStyle(field, Theme::TextStyle::caption);
        return field;
    };
    auto* width = dimensionField(tr("Width"), tr("Target width in pixels."), QStringLiteral("resizeWidthField"));
    m_widthField = width;
    Binding::bindText(width, m_model, &AppViewModel::resizeWidth, &AppViewModel::setResizeWidth,
                      &AppViewModel::resizeWidthChanged);
    fields->addWidget(width);
    auto* times = new QLabel(QStringLiteral("×"), m_resizeFields);
    Theme::applyTextStyle(times, Theme::TextStyle::caption);
    fields->addWidget(times);
    auto* height = dimensionField(tr("Height"), tr("Target height in pixels."), QStringLiteral("resizeHeightField"));
    m_heightField = height;
    Binding::bindText(height, m_model, &AppViewModel::resizeHeight, &AppViewModel::setResizeHeight,
                      &AppViewModel::resizeHeightChanged);
    fields->addWidget(height);
    fields->addStretch(1);
    layout->addWidget(m_resizeFields);

    // Why Optimize was refused, under the fields at fault; there only until they are mended.
    m_resizeMessage = new QLabel(block);
    m_resizeMessage->setObjectName(QStringLiteral("resizeMessage"));
    m_resizeMessage->setWordWrap(true);
    m_resizeMessage->setTextFormat(Qt::PlainText);
    Theme::applyTextStyle(m_resizeMessage, Theme::TextStyle::caption);
    Theme::applyColor(m_resizeMessage, NamedColor::red);
    m_resizeMessage->hide();
    layout->addWidget(m_resizeMessage);

    const auto showFields = [this] { m_resizeFields->setVisible(m_model->resizeMode() != ResizeMode::none); };
    connect(m_model, &AppViewModel::resizeModeChanged, m_resizeFields, showFields);
    showFields();
    connect(m_model, &AppViewModel::optimizeRefused, this,
            [this](AppViewModel::ResizeProblem problem) { showResizeProblem(int(problem)); });
    for (const auto changed :
         {&AppViewModel::resizeModeChanged, &AppViewModel::resizeWidthChanged, &AppViewModel::resizeHeightChanged}) {
        connect(m_model, changed, this, &Sidebar::followResizeProblem);
    }
    return block;
}

void Sidebar::showResizeProblem(int value)
{
    using Problem = AppViewModel::ResizeProblem;
    const auto problem = Problem(value);
    const bool width =
        problem == Problem::noSize || problem == Problem::badWidth || problem == Problem::badWidthAndHeight;
    const bool height =
        problem == Problem::noSize || problem == Problem::badHeight || problem == Problem::badWidthAndHeight;
    const QString message = Settings::describe(problem, m_model->resizeMode());
    const QColor red = Theme::color(NamedColor::red, palette());
    for (const auto& [field, marked, description] :
         {std::tuple{m_widthField, width, tr("Target width in pixels.")},
          std::tuple{m_heightField, height, tr("Target height in pixels.")}}) {
        field->setProperty("invalid", marked);
        // A frame in the failure color, drawn by the field itself around its usual look.
        field->setStyleSheet(marked ? QStringLiteral("QLineEdit { border: 2px solid %1; border-radius: 4px; "
                                                     "padding: 1px 3px; background: palette(base); }")
                                          .arg(red.name())
                                    : QString());
        field->setAccessibleDescription(marked ? message : description);
    }
    const bool wasShown = m_resizeMessage->isVisibleTo(this);
    m_resizeMessage->setText(message);
    m_resizeMessage->setVisible(!message.isEmpty());
    if (!message.isEmpty() && !wasShown) {
        (width ? m_widthField : m_heightField)->setFocus(Qt::OtherFocusReason);
        QAccessibleEvent alert(m_resizeMessage, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void Sidebar::followResizeProblem()
{
    if (m_resizeMessage->isVisibleTo(this)) {
        showResizeProblem(int(m_model->resizeProblem()));
    }
}

QWidget* Sidebar::makeOptionsBlock()
{
    auto* block = new QWidget(this);
    auto* layout = column(block, 8);
    layout->addWidget(heading(tr("Options"), block));

    const auto optionRow = [&](QWidget* control, const QUrl& help, const QString& topic, const QString& helpName) {
        auto* line = row(Theme::defaultSpacing);
        line->addWidget(control);
        auto* button = helpButton(help, QString(), topic, block);
        button->setObjectName(helpName);
        line->addWidget(button);
        line->addStretch(1);
        layout->addLayout(line);
        return line;
    };

    auto* cmyk = checkBox(tr("Convert CMYK to RGB"), QStringLiteral("cmykToRgbCheckBox"),
                          tr("Print colors are turned into screen colors."), block);
    Binding::bindChecked(cmyk, m_model, &AppViewModel::cmykToRgb, &AppViewModel::setCmykToRgb,
                         &AppViewModel::cmykToRgbChanged);
    optionRow(cmyk, Links::cmykToRgb(), tr("Convert CMYK to RGB"), QStringLiteral("cmykToRgbHelpButton"));

    auto* background = checkBox(tr("Remove background"), QStringLiteral("removeBackgroundCheckBox"),
                                tr("The service cuts the subject out of its background."), block);
    Binding::bindChecked(background, m_model, &AppViewModel::removeBackground, &AppViewModel::setRemoveBackground,
                         &AppViewModel::removeBackgroundChanged);
    optionRow(background, Links::removeBackground(), tr("Remove background"),
              QStringLiteral("removeBackgroundHelpButton"));

    auto* exif = checkBox(tr("Keep EXIF"), QStringLiteral("keepExifCheckBox"),
                          tr("Camera data such as date and place stay in the image."), block);
    Binding::bindChecked(exif, m_model, &AppViewModel::keepExif, &AppViewModel::setKeepExif,
                         &AppViewModel::keepExifChanged);
    optionRow(exif, Links::removeExif(), tr("Keep EXIF"), QStringLiteral("keepExifHelpButton"));

    auto* upscaleLabel = new QLabel(tr("Upscale"), block);
    auto* upscaleRow = optionRow(upscaleLabel, Links::upscale(), tr("Upscale"), QStringLiteral("upscaleHelpButton"));
    auto* picker = new QComboBox(block);
    picker->setObjectName(QStringLiteral("upscalePicker"));
    picker->setAccessibleName(tr("Upscale"));
    picker->setAccessibleDescription(tr("How many times larger the service makes each image."));
    for (const UpscaleFactor factor : allCases<UpscaleFactor>()) {
        picker->addItem(label(factor), rawValue(factor));
    }
    picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Binding::bindSelection(picker, m_model, &AppViewModel::upscale, &AppViewModel::setUpscale,
                           &AppViewModel::upscaleChanged);
    upscaleRow->addWidget(picker);

    auto* atOnceRow = row(Theme::defaultSpacing);
    auto* atOnceLabel = new QLabel(tr("Images at once"), block);
    auto* atOnce = new QSpinBox(block);
    atOnce->setObjectName(QStringLiteral("imagesAtOnceSpinBox"));
    atOnce->setRange(1, SettingsStore::maxImagesAtOnce);
    atOnce->setAccessibleName(tr("Images at once"));
    atOnce->setAccessibleDescription(tr("How many images are with the service at the same time."));
    atOnce->setToolTip(atOnce->accessibleDescription());
    // Its text field takes the focus, so it carries the same names.
    if (auto* text = atOnce->findChild<QLineEdit*>()) {
        text->setAccessibleName(atOnce->accessibleName());
        text->setAccessibleDescription(atOnce->accessibleDescription());
    }
    atOnceLabel->setBuddy(atOnce);
    Binding::bindValue(atOnce, m_model, &AppViewModel::imagesAtOnce, &AppViewModel::setImagesAtOnce,
                       &AppViewModel::imagesAtOnceChanged);
    // Lined up with the upscale picker above it.
    atOnceRow->addWidget(atOnceLabel);
    atOnceRow->addStretch(1);
    atOnceRow->addWidget(atOnce);
    layout->addLayout(atOnceRow);

    auto* watch = checkBox(tr("Watch added folders"), QStringLiteral("watchAddedFoldersCheckBox"),
                           tr("New images in the folders you added are queued as they appear."), block);
    Binding::bindChecked(watch, m_model, &AppViewModel::watchAddedFolders, &AppViewModel::setWatchAddedFolders,
                         &AppViewModel::watchAddedFoldersChanged);
    layout->addWidget(watch);
    return block;
}

QWidget* Sidebar::makeResultsBlock()
{
    auto* block = new QWidget(this);
    auto* layout = column(block, 8);
    layout->addWidget(heading(tr("Results"), block));
    auto* line = row(Theme::defaultSpacing);
    m_placePicker = new QComboBox(block);
    m_placePicker->setObjectName(QStringLiteral("resultsPlacePicker"));
    m_placePicker->setAccessibleName(tr("Where results go"));
    m_placePicker->addItem(tr("Beside the originals"));
    m_placePicker->addItem(tr("In a folder…"));
    m_placePicker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // Activated, not changed: choosing "In a folder…" again asks for another folder.
    connect(m_placePicker, &QComboBox::activated, this, &Sidebar::choosePlace);
    line->addWidget(m_placePicker);
    line->addStretch(1);
    layout->addLayout(line);
    m_resultsFolderLabel = new QLabel(block);
    m_resultsFolderLabel->setObjectName(QStringLiteral("resultsFolderLabel"));
    m_resultsFolderLabel->setTextFormat(Qt::PlainText);
    Theme::applyTextStyle(m_resultsFolderLabel, Theme::TextStyle::caption);
    Theme::applyColor(m_resultsFolderLabel, NamedColor::secondary);
    layout->addWidget(m_resultsFolderLabel);
    auto* dates = checkBox(tr("Keep file dates"), QStringLiteral("keepFileDatesCheckBox"),
                           tr("Every result gets the modification time of its original."), block);
    Binding::bindChecked(dates, m_model, &AppViewModel::keepFileDates, &AppViewModel::setKeepFileDates,
                         &AppViewModel::keepFileDatesChanged);
    layout->addWidget(dates);
    connect(m_model, &AppViewModel::resultsInFolderChanged, this, &Sidebar::showResultsPlace);
    connect(m_model, &AppViewModel::resultsFolderChanged, this, &Sidebar::showResultsPlace);
    showResultsPlace();
    return block;
}

void Sidebar::showResultsPlace()
{
    const bool inFolder = m_model->resultsInFolder() && !m_model->resultsFolder().isEmpty();
    m_placePicker->setCurrentIndex(inFolder ? 1 : 0);
    m_resultsFolderLabel->setVisible(inFolder);
    const QString folder = QDir::toNativeSeparators(m_model->resultsFolder());
    m_resultsFolderLabel->setToolTip(folder);
    m_resultsFolderLabel->setText(
        m_resultsFolderLabel->fontMetrics().elidedText(folder, Qt::ElideMiddle, contentWidth));
    m_placePicker->setAccessibleDescription(inFolder ? tr("Results are saved in %1.").arg(folder)
                                                     : tr("Results are saved beside their originals."));
}

void Sidebar::choosePlace(int index)
{
    if (index == 0) {
        m_model->setResultsInFolder(false);
        return;
    }
    const std::optional<QString> chosen = FolderPicker::instance()->pick(window(), m_model->resultsFolder());
    if (chosen) {
        m_model->setResultsFolder(*chosen);
        m_model->setResultsInFolder(true);
    }
    // Cancelled: the place stays what it was.
    showResultsPlace();
}

QWidget* Sidebar::makeActionBlock()
{
    auto* block = new QWidget(this);
    auto* layout = column(block, 10);
    layout->setAlignment(Qt::AlignHCenter);

    auto* add =
        new QPushButton(Icons::icon(QStringLiteral("photo.on.rectangle.angled"), palette().color(QPalette::ButtonText)),
                        tr("Add images or folders…"), block);
    add->setObjectName(QStringLiteral("addButton"));
    add->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    add->setMinimumHeight(28);
    add->setFocusPolicy(Qt::StrongFocus);
    add->setAccessibleDescription(tr("Chooses images and folders to queue. They can also be dropped on the window."));
    connect(add, &QPushButton::clicked, this, &Sidebar::addRequested);
    layout->addWidget(add);

    m_optimizeButton = new FilledButton(RedButtonStyle(), tr("Optimize"), block);
    m_optimizeButton->setObjectName(QStringLiteral("optimizeButton"));
    m_optimizeButton->setIcon(Icons::icon(QStringLiteral("bolt.fill"), Theme::color(NamedColor::white)));
    connect(m_optimizeButton, &QPushButton::clicked, m_model, &AppViewModel::optimizeAll);
    layout->addWidget(m_optimizeButton);

    m_stopButton = new FilledButton(GrayButtonStyle(), tr("Stop"), block);
    m_stopButton->setObjectName(QStringLiteral("stopButton"));
    m_stopButton->setIcon(Icons::icon(QStringLiteral("stop.fill"), Theme::color(NamedColor::white)));
    m_stopButton->setAccessibleDescription(tr("Stops the run; the image in progress is marked stopped."));
    connect(m_stopButton, &QPushButton::clicked, m_model, &AppViewModel::stopAll);
    layout->addWidget(m_stopButton);

    auto* contactColumn = new QWidget(block);
    auto* contactLayout = column(contactColumn, 4);
    auto* contact =
        new LinkButton(tr("Contact us with any issues, bug reports, or questions."), Links::contact(), contactColumn);
    contact->setObjectName(QStringLiteral("contactLink"));
    Theme::applyTextStyle(contact, Theme::TextStyle::caption2);
    // About shares the contact link's line, so the sidebar grows no taller for it.
    auto* links = row(Theme::defaultSpacing);
    links->addWidget(contact, 1);
    auto* about = new LinkButton(tr("About"), contactColumn);
    about->setObjectName(QStringLiteral("aboutLink"));
    about->setAccessibleName(tr("About Tovalin Image Optimizer"));
    about->setToolTip(about->accessibleName());
    Theme::applyTextStyle(about, Theme::TextStyle::caption2);
    connect(about, &LinkButton::clicked, this, &Sidebar::aboutRequested);
    links->addWidget(about, 0, Qt::AlignTop);
    contactLayout->addLayout(links);
    layout->addWidget(contactColumn);
    return block;
}

void Sidebar::refreshActions()
{
    // On this computer no key is asked for, so none is shown.
    m_apiKeyBlock->setVisible(m_model->needsApiKey());
    const bool processing = m_model->isProcessing();
    // Exactly one of the two is shown; the other leaves no gap. The one going is hidden first: for a
    // moment with both shown, the window would take the room for both and keep it.
    (processing ? m_optimizeButton : m_stopButton)->hide();
    (processing ? m_stopButton : m_optimizeButton)->show();
    const bool canOptimize = m_model->canOptimize();
    m_optimizeButton->setEnabled(canOptimize);
    // A disabled button tells why.
    const bool hasKey = !m_model->needsApiKey() || !m_model->apiKey().trimmed().isEmpty();
    const bool hasJobs = !m_model->jobs().isEmpty();
    m_optimizeButton->setAccessibleDescription(canOptimize
                                                   ? tr("Optimizes every image in the queue with the options above.")
                                               : !hasKey && !hasJobs ? tr("Enter an API key and add images first.")
                                               : !hasKey             ? tr("Enter an API key first.")
                                               : !hasJobs            ? tr("Add images first.")
                                                                     : tr("Images are being optimized."));
}

QList<QWidget*> Sidebar::focusChain() const
{
    // Top to bottom, and left to right within a row, as the column reads.
    const QStringList names =
        QStringLiteral("enginePicker signUpLink apiKeyField apiKeyVisibilityButton compressionHelpButton "
                       "compressionPicker convertToWebPCheckBox convertToAVIFCheckBox resizeHelpButton "
                       "resizePicker resizeWidthField resizeHeightField cmykToRgbCheckBox "
                       "cmykToRgbHelpButton removeBackgroundCheckBox removeBackgroundHelpButton "
                       "keepExifCheckBox keepExifHelpButton upscaleHelpButton upscalePicker imagesAtOnceSpinBox "
                       "watchAddedFoldersCheckBox resultsPlacePicker keepFileDatesCheckBox addButton "
                       "optimizeButton stopButton contactLink aboutLink")
            .split(QLatin1Char(' '));
    QList<QWidget*> chain;
    for (const QString& name : names) {
        QWidget* widget = findChild<QWidget*>(name);
        if (auto* segmented = qobject_cast<SegmentedControl*>(widget)) {
            const QList<QAbstractButton*> segments = segmented->segments();
            chain.append(QList<QWidget*>(segments.cbegin(), segments.cend()));
        } else if (widget != nullptr) {
            chain.append(widget);
        }
    }
    return chain;
}
