#include "app/Form1.h"

#include "app/ControlTable.h"
#include "app/Pictures.h"
#include "app/adapters/FolderDrop.h"
#include "app/adapters/SharedFolderRead.h"
#include "app/widgets/EnterClicks.h"
#include "app/widgets/FolderTree.h"
#include "app/widgets/GraphicalButton.h"
#include "app/widgets/ListEdit.h"
#include "commands/ExtensionStripping.h"
#include "commands/ListCommands.h"
#include "commands/RunCommand.h"
#include "export/ClipboardExport.h"
#include "export/SpreadsheetExport.h"
#include "navigation/HandedOver.h"
#include "navigation/NameText.h"
#include "navigation/Navigation.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTreeWidget>

namespace tavrosk {

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QString caption(const char* name) {
    const std::u16string_view text = controls::control(name).caption;
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QColor colour(const char* name) {
    const controls::Rgb rgb = *controls::control(name).colour;
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QRect pixels(const controls::Twips& t, double dpi) {
    using controls::toPixels;
    return QRect(toPixels(t.left, dpi), toPixels(t.top, dpi), toPixels(t.width, dpi), toPixels(t.height, dpi));
}

GraphicalButton* graphicalButton(const char* name, QWidget* parent) {
    return named(new GraphicalButton(caption(name), colour(name), parent), name);
}

QWidget* child(QWidget& form, std::string_view name) {
    return form.findChild<QWidget*>(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
}

QLabel* label(const char* name, QWidget* parent) {
    auto* result = named(new QLabel(caption(name), parent), name);
    result->setWordWrap(true);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return result;
}

// The font the list's extra-extension field asks for; where that face is
// not installed, fontconfig's Japanese gothic faces stand in for it.
QFont extensionFieldFont() {
    const QString face = QStringLiteral("ＭＳ Ｐゴシック");
    QFont::insertSubstitutions(face, {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                      QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
                                      QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")});
    QFont font(face, 12);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

Form1::Form1(FailureReport& report, SpreadsheetServer& spreadsheet, LongCall& longCall)
    : report_(report), spreadsheet_(spreadsheet), longCall_(longCall) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("タヴロスク作成支援ツール"));
    setWindowIcon(ApplicationIcon());
    createControls();
    placeControls();
    setTabOrder();

    listText_ = new ListTextField(*text1_);
    extraExtension_ = std::make_unique<LineTextField>(*text2_);
    drives_ = new DriveListAdapter(*drive1_);
    auto* reading = new SharedFolderRead(this);
    folders_ = new FolderListAdapter(*dir1_, *reading, report_);
    files_ = new FileListAdapter(*file1_, *reading);
    state_ = std::make_unique<FormState>(
        FormState{*listText_, *extraExtension_, *files_, *folders_, *drives_, clipboard_});
    bindEvents();
    new FolderDrop(*this, [this](const std::vector<std::filesystem::path>& paths) { openDropped(paths); });
}

Form1::~Form1() = default;

void Form1::createControls() {
    drive1_ = named(new QComboBox(this), "Drive1");
    dir1_ = named(new FolderTree(this), "Dir1");
    label4_ = label("Label4", this);

    file1_ = named(new QListView(this), "File1");
    file1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    file1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    file1_->setUniformItemSizes(true);
    file1_->setLayoutMode(QListView::Batched);

    command6_ = named(new QPushButton(caption("Command6"), this), "Command6");
    command1_ = graphicalButton("Command1", this);
    command2_ = graphicalButton("Command2", this);

    text2_ = named(new QLineEdit(this), "Text2");
    text2_->setFont(extensionFieldFont());
    // The extension is short and sits in a narrow field: centred reads best.
    text2_->setAlignment(Qt::AlignCenter);

    label3_ = label("Label3", this);
    label1_ = label("Label1", this);
    command5_ = graphicalButton("Command5", this);

    auto* toExcel = graphicalButton("Command7", this);
    toExcel->setPicture(SpreadsheetPicture(devicePixelRatioF()));
    command7_ = toExcel;
    auto* toClipboard = graphicalButton("Command4", this);
    toClipboard->setPicture(ClipboardPicture(devicePixelRatioF()));
    command4_ = toClipboard;
    command3_ = graphicalButton("Command3", this);

    picture1_ = named(new QLabel(this), "Picture1");
    picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture1_->setPixmap(StillPicture(devicePixelRatioF()));

    label2_ = label("Label2", this);
    label2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label5_ = label("Label5", this);

    text1_ = named(new ListEdit(this), "Text1");
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1_->setTabChangesFocus(true);

    auto* enterClicks = new EnterClicks(this);
    for (QPushButton* button : {command1_, command2_, command3_, command4_, command5_, command6_, command7_}) {
        button->installEventFilter(enterClicks);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
    }
}

void Form1::placeControls() {
    const double dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    for (const controls::Control& control : controls::kControls)
        child(*this, control.name)->setGeometry(pixels(control.place, dpi));
    resize(pixels(controls::kClientArea, dpi).size());
}

void Form1::setTabOrder() {
    const auto order = controls::tabOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(child(*this, order[i]->name), child(*this, order[i + 1]->name));
    for (QLabel* staticText : {label1_, label2_, label3_, label4_, label5_, picture1_})
        staticText->setFocusPolicy(Qt::NoFocus);
    command6_->setFocus();
}

void Form1::bind(QPushButton* button, std::function<void(FormState&)> command) {
    connect(button, &QPushButton::clicked, this,
            [this, command = std::move(command)] { RunCommand(report_, [&] { command(state()); }); });
}

void Form1::bindEvents() {
    bind(command1_, SelectAllFiles);
    bind(command2_, AppendSelectedNames);
    bind(command3_, ClearAll);
    bind(command4_, CopyListToClipboard);
    bind(command5_, StripExtensions);
    bind(command6_, AppendFolderPath);
    bind(command7_, [this](FormState& state) { ExportToSpreadsheet(state, spreadsheet_, longCall_); });
    drives_->changed().subscribe([this] { RunCommand(report_, [this] { OnDriveChange(state()); }); });
    folders_->changed().subscribe([this] { RunCommand(report_, [this] { OnFolderChange(state()); }); });
}

bool Form1::showStartFolder(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& files) {
    drives_->showVolumeOf(folder);
    bool shown = false;
    RunCommand(report_, [&] {
        folders_->show(folder);
        files_->setPath(folders_->path());
        files_->selectFiles(files);
        shown = true;
    });
    return shown;
}

void Form1::openDropped(const std::vector<std::filesystem::path>& paths) {
    RunCommand(report_, [&] {
        const FolderToOpen target = FolderToOpenFor(paths);
        // The file list follows through the folder list's change.
        folders_->setPath(target.folder);
        drives_->showVolumeOf(folders_->path());
        files_->selectFiles(target.files);
    });
}

} // namespace tavrosk
