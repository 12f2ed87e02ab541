#include "app/qt/Form1.h"

#include "app/ControlTable.h"
#include "app/Texts.h"
#include "app/qt/JapaneseUi.h"
#include "app/qt/Pictures.h"
#include "app/qt/QtText.h"
#include "app/qt/adapters/FolderDrop.h"
#include "app/qt/widgets/EnterClicks.h"
#include "app/qt/widgets/FolderTree.h"
#include "app/qt/widgets/GraphicalButton.h"
#include "app/qt/widgets/ListEdit.h"
#include "app/qt/widgets/WholeFrame.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScreen>

namespace tavrosk::qt {

namespace {

using controls::Control;
using controls::Kind;

QRect pixels(const controls::Twips& t, double dpi) {
    using controls::ToPixels;
    return QRect(ToPixels(t.left, dpi), ToPixels(t.top, dpi), ToPixels(t.width, dpi), ToPixels(t.height, dpi));
}

QWidget* child(QWidget& form, std::string_view name) {
    return form.findChild<QWidget*>(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
}

template <typename Widget>
Widget* controlNamed(QWidget& form, std::string_view name) {
    return static_cast<Widget*>(child(form, name));
}

Qt::Alignment alignmentOf(const Control& c) {
    return (c.align == controls::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
}

// A face of a control's own; where it is not installed, the window's
// Japanese gothic face stands in for it.
QFont fontOf(const controls::Face& face) {
    const QString family = ToQString(face.family);
    QFont::insertSubstitutions(family, {QStringLiteral("MS PGothic"), JapaneseGothic()});
    QFont font(family, face.points);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QWidget* createControl(const Control& c, QWidget* form) {
    const QString caption = ToQString(c.caption);
    switch (c.kind) {
    case Kind::DriveList: return new QComboBox(form);
    case Kind::FolderList: return new FolderTree(form);
    case Kind::FileList: {
        auto* list = new QListView(form);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setUniformItemSizes(true);
        list->setLayoutMode(QListView::Batched);
        return list;
    }
    case Kind::Button: return new QPushButton(caption, form);
    case Kind::GraphicalButton: {
        const controls::Rgb rgb = *c.colour;
        auto* button = new GraphicalButton(caption, QColor(rgb.red, rgb.green, rgb.blue), form);
        button->setPicture(ControlPicture(c.picture, form->devicePixelRatioF()));
        return button;
    }
    case Kind::LineField: {
        auto* field = new QLineEdit(form);
        field->setAlignment(alignmentOf(c) & Qt::AlignHorizontal_Mask);
        return field;
    }
    case Kind::ListField: {
        auto* field = new ListEdit(form);
        field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        field->setTabChangesFocus(true);
        return field;
    }
    case Kind::Label: {
        auto* label = new QLabel(caption, form);
        label->setWordWrap(true);
        label->setAlignment(alignmentOf(c));
        label->setFocusPolicy(Qt::NoFocus);
        return label;
    }
    case Kind::Picture: {
        auto* picture = new QLabel(form);
        picture->setAlignment(alignmentOf(c));
        picture->setPixmap(ControlPicture(c.picture, form->devicePixelRatioF()));
        picture->setFocusPolicy(Qt::NoFocus);
        return picture;
    }
    }
    return nullptr;
}

// A top-level widget reads as a plain client area ("filler") to screen
// readers; the tool's window is a frame.
QAccessibleInterface* windowAccessible(const QString& className, QObject* object) {
    auto* form = qobject_cast<Form1*>(object);
    return form && className == QLatin1String(Form1::staticMetaObject.className())
               ? new QAccessibleWidget(form, QAccessible::Window)
               : nullptr;
}
// In place before any window is made: an interface, once made, stays.
const bool kWindowAccessible = (QAccessible::installFactory(windowAccessible), true);

} // namespace

Form1::Form1(FailureReport& report, SpreadsheetServer& spreadsheet, LongCall& longCall, const TitleReader& titles,
             BackgroundSteps& steps) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(texts::kWindowTitle));
    setWindowIcon(ApplicationIcon());
    createControls();
    tieLabels();
    placeControls();
    setTabOrder();

    listText_ = new ListTextField(*controlNamed<QPlainTextEdit>(*this, "Text1"));
    extraExtension_ = std::make_unique<LineTextField>(*controlNamed<QLineEdit>(*this, "Text2"));
    drives_ = new DriveListAdapter(*controlNamed<QComboBox>(*this, "Drive1"), [this] { core_->drivesChanged(); });
    folders_ = new FolderListAdapter(*controlNamed<QTreeWidget>(*this, "Dir1"), [this](std::size_t row) {
        core_->handle([this, row] { core_->folders().openRow(row); });
    });
    files_ = new FileListAdapter(*controlNamed<QListView>(*this, "File1"));
    core_ = std::make_unique<Form1Core>(
        Form1Controls{*listText_, *extraExtension_, *files_, *folders_, *drives_, clipboard_, order_}, report,
        spreadsheet, longCall, titles, steps);
    files_->show(core_->files());
    bindEvents();
    bindContextMenus();
    new FolderDrop(*this, [this](const std::vector<std::filesystem::path>& paths) { core_->drop(paths); });
}

Form1::~Form1() = default;

void Form1::createControls() {
    auto* enterClicks = new EnterClicks(this);
    for (const Control& c : controls::kControls) {
        QWidget* control = createControl(c, this);
        control->setObjectName(QLatin1String(c.name.data(), static_cast<qsizetype>(c.name.size())));
        control->setAccessibleName(ToQString(c.accessibleName));
        if (c.face)
            control->setFont(fontOf(*c.face));
        if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
            KeepFrameWhole(*area);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->installEventFilter(enterClicks);
            button->setAutoDefault(false);
            button->setDefault(false);
            button->setFocusPolicy(Qt::StrongFocus);
        }
    }
}

void Form1::tieLabels() {
    // A label whose caption names a control heads it: screen readers read
    // the control with it.
    for (const Control& field : controls::kControls)
        for (const Control& label : controls::kControls)
            if (label.kind == Kind::Label && field.kind != Kind::Label && label.caption == field.accessibleName)
                controlNamed<QLabel>(*this, label.name)->setBuddy(child(*this, field.name));
}

void Form1::placeControls() {
    const double dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    for (const Control& c : controls::kControls)
        child(*this, c.name)->setGeometry(pixels(c.place, dpi));
    resize(pixels(controls::kClientArea, dpi).size());
}

void Form1::setTabOrder() {
    const auto order = controls::TabOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(child(*this, order[i]->name), child(*this, order[i + 1]->name));
    child(*this, order.front()->name)->setFocus();
}

void Form1::bindEvents() {
    for (const Control& c : controls::kControls)
        if (c.action)
            connect(controlNamed<QPushButton>(*this, c.name), &QPushButton::clicked, this,
                    [this, action = *c.action] { core_->run(action); });
    connect(controlNamed<QComboBox>(*this, "Drive1"), &QComboBox::activated, this,
            [this](int index) { core_->handle([this, index] { drives_->pick(index); }); });
}

void Form1::addEntries(QMenu& menu, std::span<const menus::Entry> entries) {
    for (const menus::Entry& entry : entries) {
        QAction* action = menu.addAction(ToQString(entry.caption));
        action->setEnabled(core_->offers(entry.action));
        connect(action, &QAction::triggered, this, [this, run = entry.action] {
            QMetaObject::invokeMethod(this, [this, run] { core_->run(run); }, Qt::QueuedConnection);
        });
    }
}

void Form1::bindContextMenus() {
    // A right click on a selected row keeps the selection (the view's
    // extended selection leaves it), so the menu acts on what the user chose.
    auto* file1 = controlNamed<QListView>(*this, "File1");
    file1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(file1, &QWidget::customContextMenuRequested, this, [this, file1](const QPoint& at) {
        QMenu menu(file1);
        addEntries(menu, menus::kFile1);
        menu.exec(file1->viewport()->mapToGlobal(at));
    });
    listText_->extendMenu([this](QMenu& menu) { addEntries(menu, menus::kText1); });
}

} // namespace tavrosk::qt
