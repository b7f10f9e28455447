// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "frmTag.h"

#include "ChromeArt.h"
#include "Dialogs.h"
#include "TagField.h"

#include <QComboBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

struct Rect
{
    int left, top, width, height;
};

constexpr int kInnerWidth = 5385;
constexpr int kInnerHeight = 2790;

constexpr Rect kTxtFile{120, 480, 3555, 315};
constexpr Rect kCboGenre{2220, 1980, 1455, 315};
constexpr Rect kLabel1{3840, 540, 1455, 225};

struct FieldRow
{
    int index;
    const char *caption;
    Rect label;
    Rect field; // width 0: no text field (the genre list takes its place)
};

constexpr FieldRow kRows[] = {
    {0, QT_TRANSLATE_NOOP("frmTag", "Title"), {540, 960, 360, 195}, {1080, 900, 2595, 315}},
    {1, QT_TRANSLATE_NOOP("frmTag", "Artist"), {420, 1320, 465, 195}, {1080, 1260, 2595, 315}},
    {2, QT_TRANSLATE_NOOP("frmTag", "Album"), {360, 1680, 555, 195}, {1080, 1620, 2595, 315}},
    {3, QT_TRANSLATE_NOOP("frmTag", "Year"), {480, 2040, 450, 195}, {1080, 1980, 555, 315}},
    {4, QT_TRANSLATE_NOOP("frmTag", "Genre"), {1560, 2040, 615, 255}, {0, 0, 0, 0}},
    {5, QT_TRANSLATE_NOOP("frmTag", "Comment"), {120, 2400, 780, 195}, {1080, 2340, 2595, 315}},
};

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

void setForeColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// A caption keeps its designed right edge and middle; where the platform's font
// is wider or taller than the design's, it grows to the left and both ways, so no
// caption is clipped.
void placeCaption(QLabel *label, const Rect &r)
{
    ChromeWindow::place(label, r.left, r.top, r.width, r.height);
    QRect g = label->geometry();
    const QSize hint = label->sizeHint();
    if (hint.width() > g.width())
        g.setLeft(g.right() + 1 - hint.width());
    // A long translated caption would start left of the window: it starts at the edge instead.
    if (g.left() < 0)
        g.moveLeft(0);
    if (hint.height() > g.height()) {
        const int grow = hint.height() - g.height();
        g.adjust(0, -grow / 2, 0, grow - grow / 2);
    }
    label->setGeometry(g);
}

QFont logoFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

} // namespace

frmTag::frmTag(const ChromeContext &context, Dialogs &dialogs, TagFileAccess *access, QWidget *parent)
    : ChromeWindow(context, parent)
    , m_dialogs(dialogs)
    , m_model(access)
{
    setObjectName(QStringLiteral("frmTag"));
    setInnerSize(kInnerWidth, kInnerHeight);
    setTitle(tr("ID3 Tag Editor"));
    addButtonPair(2, 0, tr("Save"), 3900, 900, [this] { save(); });
    addButtonPair(1, 3, tr("Cancel"), 3900, 1500, [this] { cancel(); });
    addButtonPair(5, 4, tr("Auto"), 3900, 2100, [this] { AutoTag(); });

    m_txtFile = new QLineEdit(this);
    m_txtFile->setObjectName(QStringLiteral("txtFile"));
    m_txtFile->setReadOnly(true);
    m_txtFile->setFocusPolicy(Qt::ClickFocus);
    m_txtFile->setAccessibleName(tr("File"));
    place(m_txtFile, kTxtFile.left, kTxtFile.top, kTxtFile.width, kTxtFile.height);

    m_cboGenre = new QComboBox(this);
    m_cboGenre->setObjectName(QStringLiteral("cboGenre"));
    place(m_cboGenre, kCboGenre.left, kCboGenre.top, kCboGenre.width, kCboGenre.height);

    createFieldRows();

    m_label1 = new QLabel(tr("Marlune"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setFont(logoFont());
    m_label1->setAlignment(Qt::AlignCenter);
    setForeColor(m_label1, kYellow);
    placeCaption(m_label1, kLabel1);

    setTabOrder(m_txtTag[0], m_txtTag[1]);
    setTabOrder(m_txtTag[1], m_txtTag[2]);
    setTabOrder(m_txtTag[2], m_txtTag[3]);
    setTabOrder(m_txtTag[3], m_cboGenre);
    setTabOrder(m_cboGenre, m_txtTag[5]);

    resetOnMouseMove(m_txtFile, {Reset::Title, Reset::Buttons});
    for (QLabel *caption : m_lblTag)
        resetOnMouseMove(caption, {Reset::Title, Reset::Buttons});
    for (TagField *field : m_txtTag)
        if (field)
            resetOnMouseMove(field, {Reset::Title, Reset::Buttons});

    connect(m_cboGenre, &QComboBox::activated, this, [this](int index) { m_model.setGenreIndex(index); });
    Form_Load();
}

void frmTag::createFieldRows()
{
    for (const FieldRow &row : kRows) {
        auto *caption = new QLabel(tr(row.caption), this);
        caption->setObjectName(QStringLiteral("lblTag%1").arg(row.index));
        caption->setFont(ChromeArt::captionFont(8.25));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setForeColor(caption, kWhite);
        placeCaption(caption, row.label);
        m_lblTag[size_t(row.index)] = caption;
        if (row.field.width == 0) {
            caption->setBuddy(m_cboGenre);
            continue;
        }
        auto *field = new TagField(row.index, this);
        place(field, row.field.left, row.field.top, row.field.width, row.field.height);
        connect(field, &TagField::saveKey, this, &frmTag::save);
        connect(field, &TagField::cancelKey, this, &frmTag::cancel);
        m_txtTag[size_t(row.index)] = field;
        caption->setBuddy(field);
    }
}

void frmTag::Form_Load()
{
    m_cboGenre->addItems(TagEditorModel::genreEntries());
    m_cboGenre->setCurrentIndex(-1);
}

TagField *frmTag::txtTag(int index) const
{
    return index >= 0 && index < int(m_txtTag.size()) ? m_txtTag[size_t(index)] : nullptr;
}

QLabel *frmTag::lblTag(int index) const
{
    return index >= 0 && index < int(m_lblTag.size()) ? m_lblTag[size_t(index)] : nullptr;
}

void frmTag::DisplayInfo(const NativeName &sFile, Veltro::Intent intent)
{
    m_model.DisplayInfo(sFile, intent);
    m_txtFile->setText(m_model.txtFile());
    pushFields();
}

void frmTag::AutoTag()
{
    pullFields();
    m_model.AutoTag();
    pushFields();
}

ErrorInfo frmTag::WriteTag()
{
    pullFields();
    const ErrorInfo error = m_model.WriteTag();
    if (error)
        m_dialogs.showMessage(m_model.writeFailureText(error), Dialogs::Icon::Critical, applicationTitle());
    return error;
}

void frmTag::pullFields()
{
    for (TagField *field : m_txtTag)
        if (field)
            m_model.setTxtTag(field->index(), field->text());
}

void frmTag::pushFields()
{
    for (TagField *field : m_txtTag)
        if (field)
            field->setText(m_model.txtTag(field->index()));
    m_cboGenre->setCurrentIndex(m_model.genreIndex());
}

void frmTag::save()
{
    WriteTag();
    hide();
}

void frmTag::cancel()
{
    m_stop = true;
    hide();
}

bool frmTag::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_txtTag[0]->setFocus(Qt::ActiveWindowFocusReason);
    return ChromeWindow::event(event);
}

void frmTag::showEvent(QShowEvent *event)
{
    ChromeWindow::showEvent(event);
    m_txtTag[0]->setFocus(Qt::OtherFocusReason);
}

void frmTag::closeEvent(QCloseEvent *event)
{
    // Closed from outside (the window manager): leave as Cancel does, and stay loaded.
    if (isVisible())
        m_stop = true;
    event->accept();
}
