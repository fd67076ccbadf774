#include "Unit1.h"

#include "Dialogs.h"
#include "SysUtils.h"
#include "Unit2.h"

TForm1* Form1 = nullptr;
int RolledUp = 0;
int SavedClientHeight = 0;

namespace {
const QString outOfRange = QStringLiteral("0から59までの数値を入力してください");
}

void TForm1::Memo1KeyPress(TObject*, QChar& Key)
{
    if (Key != QChar(13))
        return;
    if (!Memo1->Text().isEmpty() && StrToInt(Memo1->Text()) < 60) {
        Memo2->SetFocus();
        Key = QChar(0);
        return;
    }
    MessageBeep(0);
    ShowMessage(outOfRange);
    Memo1->SelectAll();
}

void TForm1::Memo2KeyPress(TObject*, QChar& Key)
{
    if (Key != QChar(13))
        return;
    if (Memo1->Text().isEmpty()) {
        MessageBeep(0);
        ShowMessage(QStringLiteral("分を入力してください"));
        Memo1->SetFocus();
        return;
    }
    if (StrToInt(Memo1->Text()) > 59) {
        MessageBeep(0);
        ShowMessage(outOfRange);
        Memo1->SetFocus();
        Memo1->SelectAll();
        return;
    }
    if (Memo2->Text().isEmpty()) {
        MessageBeep(0);
        ShowMessage(QStringLiteral("秒を入力してください"));
        return;
    }
    if (StrToInt(Memo2->Text()) > 59) {
        MessageBeep(0);
        ShowMessage(outOfRange);
        Memo2->SelectAll();
        return;
    }
    const QString trackTime = FormatDateTime(QStringLiteral("hh:nn:ss"),
                                             StrToTime(QStringLiteral("00:") + Memo1->Text() + u':' + Memo2->Text()));
    if (ListBox1->ItemIndex() == -1 && ListBox2->Items->Count() >= MaxTracks) {
        MessageBeep(0);
        ShowMessage(QStringLiteral("入力できる曲数は17までです"));
        Memo1->Clear();
        Memo2->Clear();
        Memo1->SetFocus();
        Key = QChar(0);
        return;
    }
    CommitTrack(trackTime);
    RebuildTrackList();
    Key = QChar(0);
}

void TForm1::CommitTrack(const QString& trackTime)
{
    const int selected = ListBox1->ItemIndex();
    if (selected == -1) {
        ListBox2->Items->Add(trackTime);
        return;
    }
    ListBox2->Items->Delete(selected);
    ListBox2->Items->Insert(selected, trackTime);
}

void TForm1::RebuildTrackList()
{
    ListBox1->Items->Clear();
    FlatComboBox1->Items->Clear();
    for (int k = 1; k <= ListBox2->Items->Count(); ++k) {
        const QString number = IntToStr(k);
        const QString row = QString(std::max(0, 2 - int(number.size())), u' ') + number + QStringLiteral(" _ ")
            + ListBox2->Items->Strings(k - 1).mid(3, 5);
        ListBox1->Items->Add(row);
        FlatComboBox1->Items->Add(number);
    }
    Memo1->Clear();
    Memo2->Clear();
    ListBox1->SetItemIndex(-1);
    Memo1->SetFocus();
}

void TForm1::Memo1KeyDown(TObject*, Word& Key, TShiftState)
{
    if (Key != VK_DELETE)
        return;
    if (!Memo1->Text().isEmpty() && !Memo2->Text().isEmpty())
        return;
    ListBox2->Items->Delete(ListBox1->ItemIndex());
    RebuildTrackList();
}

void TForm1::ListBox1Click(TObject*)
{
    const QString track = ListBox2->Items->Strings(ListBox1->ItemIndex());
    Memo1->SetText(track.mid(3, 2));
    Memo2->SetText(track.mid(6, 2));
    Memo1->SetFocus();
    Memo1->SelectAll();
    ListBox4->SetItemIndex(-1);
}

void TForm1::FlatComboBox1Click(TObject*)
{
    ListBox3->Items->Clear();
    ListBox4->Items->Clear();
    FlatComboBox1->SetFocus();
    FlatComboBox1->Repaint();
    HeaderControl2->Repaint();
    Screen->SetCursor(crHourGlass);
    try {
        const int SelectCount = StrToInt(FlatComboBox1->Text());
        const int TrackCount = ListBox2->Items->Count();
        ListCombinations(TrackCount, SelectCount);
    } catch (...) {
        Screen->SetCursor(crDefault);
        throw;
    }
    Screen->SetCursor(crDefault);
    Memo1->SetFocus();
}

void TForm1::FlatComboBox1Enter(TObject*)
{
    Memo1->Clear();
    Memo2->Clear();
    ListBox1->SetItemIndex(-1);
    Memo1->SetFocus();
}

void TForm1::Memo1Enter(TObject*)
{
    Memo1->SelectAll();
    FlatComboBox1->SetItemIndex(-1);
}

void TForm1::Memo2Enter(TObject*)
{
    Memo2->SelectAll();
    FlatComboBox1->SetItemIndex(-1);
}

// A click in a time field clears the result list's selection, as a click on
// a track row does.
void TForm1::Memo1Click(TObject*)
{
    ListBox3->SetItemIndex(-1);
    ListBox4->SetItemIndex(-1);
}

void TForm1::FormCreate(TObject*)
{
    HMENU Menu = GetSystemMenu(Handle(), FALSE);
    DeleteMenu(Menu, 4, MF_BYPOSITION);
    DeleteMenu(Menu, 2, MF_BYPOSITION);
    DeleteMenu(Menu, 0, MF_BYPOSITION);
    DrawMenuBar(Handle());
    SetWindowLongA(Memo1->Handle(), GWL_STYLE, GetWindowLongA(Memo1->Handle(), GWL_STYLE) | ES_NUMBER);
    SetWindowLongA(Memo2->Handle(), GWL_STYLE, GetWindowLongA(Memo2->Handle(), GWL_STYLE) | ES_NUMBER);
}

void TForm1::WMNCLButtonDblClk(TWMNCLButtonDblClk&)
{
    if (RolledUp == 0) {
        SavedClientHeight = ClientHeight();
        SetClientHeight(0);
        RolledUp = 1;
    } else {
        SetClientHeight(SavedClientHeight);
        RolledUp = 0;
    }
}

void TForm1::WMNCHitTest(TWMNCHitTest& Message)
{
    TForm::WMNCHitTest(Message);
    if (unsigned(Message.Result) - 10 < 8)
        Message.Result = HTNOWHERE;
}
