// The main window's layout: every control with its place, font and settings,
// the tab order and the wiring of events to handlers.
#include "Graphics.h"
#include "Unit1.h"

namespace {

const QString pGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString gothic = QStringLiteral("ＭＳ ゴシック");

TMemo* timeField(QWidget* parent, int left)
{
    auto* memo = new TMemo(parent);
    memo->SetBounds(left, 25, 24, 15);
    memo->setFont(MakeFont(pGothic, -13, TFontStyle::Bold));
    memo->MaxLength = 2;
    memo->WantReturns = false;
    return memo;
}

TListBox* listBox(QWidget* parent, int left, int top, int width, int height)
{
    auto* list = new TListBox(parent);
    list->SetBounds(left, top, width, height);
    list->SetItemHeight(12);
    return list;
}

THeaderControl* header(QWidget* parent, int left, int width, QVector<THeaderSection> sections)
{
    auto* bar = new THeaderControl(parent);
    bar->SetBounds(left, 46, width, 18);
    bar->Sections = std::move(sections);
    return bar;
}

} // namespace

TForm1::TForm1()
    : TForm(473, 340)
{
    CreateControls();
}

void TForm1::CreateControls()
{
    setWindowTitle(QStringLiteral("Tunepack"));
    setFont(MakeFont(pGothic, -12));

    GroupBox1 = new TGroupBox(Client(), QStringLiteral("入力(mm:ss)"));
    GroupBox1->SetBounds(15, 13, 99, 286);
    Memo1 = timeField(GroupBox1, 17);
    Label1 = new TLabel(GroupBox1, QStringLiteral("："));
    Label1->SetBounds(48, 26, 6, 12);
    Memo2 = timeField(GroupBox1, 59);
    HeaderControl1 = header(GroupBox1, 17, 66, {{QStringLiteral("№"), 24}, {QStringLiteral(" ﾀｲﾑ"), 50}});
    ListBox1 = listBox(GroupBox1, 17, 63, 66, 204);
    ListBox1->setFont(MakeFont(gothic, -12));

    GroupBox2 = new TGroupBox(Client(), QStringLiteral("出力"));
    GroupBox2->SetBounds(121, 13, 329, 286);
    Label2 = new TLabel(GroupBox2, QStringLiteral("選曲数 ："));
    Label2->SetBounds(22, 26, 46, 12);
    FlatComboBox1 = new TFlatComboBox(GroupBox2);
    FlatComboBox1->SetBounds(71, 22, 43, 19);
    FlatComboBox1->setFont(MakeFont(pGothic, -13, TFontStyle::Bold));
    ListBox2 = listBox(GroupBox2, 114, 16, 75, 25);
    ListBox2->SetVisible(false);
    ListBox3 = listBox(GroupBox2, 192, 16, 120, 25);
    ListBox3->SetVisible(false);
    ListBox3->SetSorted(true);
    HeaderControl2 = header(GroupBox2, 15, 298,
                            {{QStringLiteral("合計ﾀｲﾑ"), 57}, {QStringLiteral("選曲№"), 195, Qt::AlignHCenter}});
    ListBox4 = listBox(GroupBox2, 15, 63, 298, 204);

    Memo1->setAccessibleName(QStringLiteral("分"));
    Memo2->setAccessibleName(QStringLiteral("秒"));
    ListBox1->setAccessibleName(QStringLiteral("曲リスト"));
    ListBox4->setAccessibleName(QStringLiteral("組み合わせ一覧"));
    FlatComboBox1->setAccessibleName(QStringLiteral("選曲数"));

    setTabOrder(Memo1, Memo2);
    setTabOrder(Memo2, ListBox1);
    setTabOrder(ListBox1, ListBox2);
    setTabOrder(ListBox2, ListBox3);
    setTabOrder(ListBox3, ListBox4);
    setTabOrder(ListBox4, FlatComboBox1);

    using namespace std::placeholders;
    OnCreate = std::bind(&TForm1::FormCreate, this, _1);
    Memo1->OnKeyPress = std::bind(&TForm1::Memo1KeyPress, this, _1, _2);
    Memo2->OnKeyPress = std::bind(&TForm1::Memo2KeyPress, this, _1, _2);
    Memo1->OnKeyDown = std::bind(&TForm1::Memo1KeyDown, this, _1, _2, _3);
    Memo2->OnKeyDown = std::bind(&TForm1::Memo1KeyDown, this, _1, _2, _3);
    Memo1->OnEnter = std::bind(&TForm1::Memo1Enter, this, _1);
    Memo2->OnEnter = std::bind(&TForm1::Memo2Enter, this, _1);
    Memo1->OnClick = std::bind(&TForm1::Memo1Click, this, _1);
    Memo2->OnClick = std::bind(&TForm1::Memo1Click, this, _1);
    ListBox1->OnClick = std::bind(&TForm1::ListBox1Click, this, _1);
    FlatComboBox1->OnClick = std::bind(&TForm1::FlatComboBox1Click, this, _1);
    FlatComboBox1->OnEnter = std::bind(&TForm1::FlatComboBox1Enter, this, _1);
}
