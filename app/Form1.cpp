#include "app/Form1.h"

#include "app/Layout.h"
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

QLabel* label(const QString& caption, const char* name, QWidget* parent) {
    auto* result = named(new QLabel(caption, parent), name);
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
    label4_ = label(QStringLiteral("リスト"), "Label4", this);

    file1_ = named(new QListView(this), "File1");
    file1_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    file1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    file1_->setUniformItemSizes(true);
    file1_->setLayoutMode(QListView::Batched);

    command6_ = named(new QPushButton(QStringLiteral("パス名を付加"), this), "Command6");
    command1_ = named(new GraphicalButton(QStringLiteral("全ファイル選択"), QColor(255, 255, 192), this), "Command1");
    command2_ = named(new GraphicalButton(QStringLiteral("リスト→TextBox 1"), QColor(192, 255, 192), this), "Command2");

    text2_ = named(new QLineEdit(this), "Text2");
    text2_->setFont(extensionFieldFont());
    // The extension is short and sits in a narrow field: centred reads best.
    text2_->setAlignment(Qt::AlignCenter);

    label3_ = label(QStringLiteral("TextBox 2"), "Label3", this);
    label1_ = label(QStringLiteral("↓拡張子消去↓"), "Label1", this);
    command5_ = named(new GraphicalButton(QStringLiteral("WMA MP3 WAV   MID / TextBox 2"), QColor(255, 224, 192), this),
                      "Command5");

    auto* toExcel = named(new GraphicalButton(QStringLiteral("To  Excel"), QColor(0, 192, 0), this), "Command7");
    toExcel->setPicture(SpreadsheetPicture(devicePixelRatioF()));
    command7_ = toExcel;
    auto* toClipboard = named(new GraphicalButton(QStringLiteral("To ClipBoard"), QColor(192, 255, 255), this), "Command4");
    toClipboard->setPicture(ClipboardPicture(devicePixelRatioF()));
    command4_ = toClipboard;
    command3_ = named(new GraphicalButton(QStringLiteral("クリヤー"), QColor(255, 255, 255), this), "Command3");

    picture1_ = named(new QLabel(this), "Picture1");
    picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture1_->setPixmap(StillPicture(devicePixelRatioF()));

    label2_ = label(QStringLiteral("タヴロスク制作室 2026"), "Label2", this);
    label2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label5_ = label(QStringLiteral("TextBox 1"), "Label5", this);

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
    using namespace layout;
    const std::pair<QWidget*, Twips> places[] = {
        {drive1_, kDrive1},     {dir1_, kDir1},         {label4_, kLabel4},     {file1_, kFile1},
        {command6_, kCommand6}, {command1_, kCommand1}, {command2_, kCommand2}, {text2_, kText2},
        {label3_, kLabel3},     {label1_, kLabel1},     {command5_, kCommand5}, {command7_, kCommand7},
        {command4_, kCommand4}, {command3_, kCommand3}, {picture1_, kPicture1}, {label2_, kLabel2},
        {label5_, kLabel5},     {text1_, kText1},
    };
    for (const auto& [widget, place] : places)
        widget->setGeometry(toPixels(place, dpi));
    resize(toPixels(kClientArea, dpi).size());
}

void Form1::setTabOrder() {
    const QWidget* order[] = {command6_, command1_, command2_, text2_, command5_, command4_,
                              command3_, text1_,    drive1_,   dir1_,  file1_,    command7_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
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
