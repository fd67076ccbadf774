#pragma once
// The main window: track entry, the track list, the chooser and the search run.
#include "ComCtrls.h"
#include "FlatComboBox.h"
#include "Forms.h"
#include "ListBox.h"
#include "Memo.h"
#include "StdCtrls.h"

class TForm1 : public TForm {
    Q_OBJECT
public:
    TForm1();

    TMemo* Memo1;
    TMemo* Memo2;
    TLabel* Label1;
    TLabel* Label2;
    TListBox* ListBox1;
    TListBox* ListBox2;
    TListBox* ListBox3;
    TListBox* ListBox4;
    TGroupBox* GroupBox1;
    TGroupBox* GroupBox2;
    THeaderControl* HeaderControl1;
    THeaderControl* HeaderControl2;
    TFlatComboBox* FlatComboBox1;

    void Memo1KeyPress(TObject* Sender, QChar& Key);
    void Memo2KeyPress(TObject* Sender, QChar& Key);
    void ListBox1Click(TObject* Sender);
    void FlatComboBox1Click(TObject* Sender);
    void Memo1Enter(TObject* Sender);
    void Memo1Click(TObject* Sender);
    void Memo2Enter(TObject* Sender);
    void Memo1KeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void FormCreate(TObject* Sender);
    void FlatComboBox1Enter(TObject* Sender);

protected:
    void WMNCLButtonDblClk(TWMNCLButtonDblClk& Message) override;
    void WMNCHitTest(TWMNCHitTest& Message) override;

private:
    void CreateControls();
    void CommitTrack(const QString& trackTime);
    void RebuildTrackList();
};

extern TForm1* Form1;

// The roll-up state: 0 shown, 1 rolled up to the title bar; and the client
// height at the last roll-up.
extern int RolledUp;
extern int SavedClientHeight;

// The most tracks the track store holds.
constexpr int MaxTracks = 17;
