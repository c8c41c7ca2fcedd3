// The dialog framework on the headless window system, driven through a small probe dialog:
// the Win32 behaviour the program relies on (notifications, focus, keys, modal loops, message
// boxes, file dialogs, timers, colours) and the framework's own rules (notification lock-out,
// command routing, data exchange).
#include "ProbeDialog.h"
#include "framework/headless/Desktop.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace {

class FrameworkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        ASSERT_TRUE(headless::Desktop::AddResourceScript(kProbeScript, kProbeHeader, error))
            << error;
    }

    INT_PTR Run(const std::function<void()>& driver) { return desktop.Run(dialog, driver); }

    static std::vector<UINT> Ids(const std::vector<ProbeDialog::Command>& commands) {
        std::vector<UINT> ids;
        for (const ProbeDialog::Command& command : commands) {
            ids.push_back(command.id);
        }
        return ids;
    }

    headless::Desktop desktop;
    ProbeDialog dialog;
};

// ---- Opening and ending ----

TEST_F(FrameworkTest, NoControlHasTheFocusDuringInitThenTheFirstTabStopHasIt) {
    Run([&] {
        EXPECT_EQ(desktop.Caption(), "Pr\xFC"
                                     "fung");
        EXPECT_EQ(desktop.FocusId(), kName);
    });
    EXPECT_FALSE(dialog.hadFocusDuringInit);

    ProbeDialog keepsFocus;
    keepsFocus.focusFirstTabStop = false;
    desktop.Run(keepsFocus, [&] { EXPECT_EQ(desktop.FocusId(), 0); });
}

TEST_F(FrameworkTest, TheDialogEndsWithWhatEndsIt) {
    EXPECT_EQ(Run([&] { desktop.PressEscape(); }), IDCANCEL);
    EXPECT_EQ(Run([&] { desktop.Click(IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(Run([&] { desktop.SystemCommand(SC_CLOSE); }), IDCANCEL);
    EXPECT_EQ(Run([&] { desktop.PressEnter(); }), IDOK); // the base OnOK
    EXPECT_EQ(Run([] {}), IDCANCEL);                     // still open when the driver is done
    EXPECT_FALSE(desktop.HasOpenDialog());

    ProbeDialog missing(kMissingDialog);
    EXPECT_EQ(desktop.Run(missing, [] { ADD_FAILURE() << "no dialog to drive"; }), -1);
}

// Memory running out in a handler ends the action with a word, not the program.
TEST_F(FrameworkTest, AnAllocationThatFailsEndsTheActionAndTheDialogGoesOn) {
    int applied = 0;
    dialog.onApply = [&] {
        if (++applied == 1) {
            throw std::bad_alloc();
        }
    };
    Run([&] {
        desktop.Click(kApply);
        desktop.Click(kApply);
        EXPECT_TRUE(desktop.HasOpenDialog());
    });
    EXPECT_EQ(applied, 2);
    ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
    EXPECT_EQ(desktop.MessageBoxes()[0].text, "Nicht gen\xFCgend Arbeitsspeicher !");
    EXPECT_EQ(desktop.MessageBoxes()[0].style, static_cast<UINT>(MB_ICONHAND));
}

// Memory that runs out while a nested dialog runs takes the dialog's window along before its
// object goes, and ends the action with the message; the outer dialog goes on.
TEST_F(FrameworkTest, AnAllocationThatFailsInANestedDialogTakesItsWindowAlong) {
    HWND nestedWindow = nullptr;
    int ended = 0; // the nested dialogs whose DoModal returned
    dialog.onApply = [&] {
        ProbeDialog nested;
        nested.DoModal();
        ++ended;
    };
    Run([&] {
        desktop.QueueDialogAnswer([&] {
            nestedWindow = desktop.ActiveDialog();
            throw std::bad_alloc();
        });
        desktop.Click(kApply);
        EXPECT_FALSE(::IsWindow(nestedWindow));
        EXPECT_EQ(desktop.ActiveDialog(), dialog.m_hWnd);
        desktop.QueueDialogAnswer([&] { desktop.PressEscape(); });
        desktop.Click(kApply);
        EXPECT_TRUE(desktop.HasOpenDialog());
    });
    EXPECT_EQ(ended, 1);
    ASSERT_EQ(desktop.MessageBoxes().size(), 1u);
    EXPECT_EQ(desktop.MessageBoxes()[0].text, "Nicht gen\xFCgend Arbeitsspeicher !");
}

TEST_F(FrameworkTest, NothingDrivesADialogAfterItEndedOrWithoutADriver) {
    Run([&] {
        desktop.PressEscape();
        EXPECT_FALSE(desktop.HasOpenDialog());
        desktop.Type(kName, "x"); // goes nowhere
    });
    EXPECT_TRUE(dialog.Routed(EN_CHANGE).empty());

    ProbeDialog undriven;
    EXPECT_EQ(undriven.DoModal(), IDCANCEL);
    EXPECT_EQ(undriven.exchanges, 1);
}

// ---- Edits ----

TEST_F(FrameworkTest, SetWindowTextReportsAChangeEvenForTheSameTextExceptDuringUpdateData) {
    Run([&] {
        dialog.SetDlgItemText(kValue, "12");
        dialog.SetDlgItemText(kValue, "12");
        EXPECT_EQ(dialog.Routed(EN_CHANGE).size(), 2u);

        std::size_t commands = dialog.commandSources.size();
        dialog.name = "neu";
        dialog.UpdateData(FALSE);
        EXPECT_EQ(desktop.Text(kName), "neu");
        EXPECT_EQ(dialog.commandSources.size(), commands + 1); // the change reached the dialog
        EXPECT_EQ(dialog.Routed(EN_CHANGE).size(), 2u);        // and was held back there

        dialog.SetDlgItemText(kName, "danach");
        EXPECT_EQ(Ids(dialog.Routed(EN_CHANGE)), (std::vector<UINT>{kValue, kValue, kName}));
    });
}

TEST_F(FrameworkTest, UpdateDataMovesTheFieldsBothWaysAndAttachesControlsOnce) {
    dialog.name = "Anfang";
    Run([&] {
        EXPECT_EQ(desktop.Text(kName), "Anfang"); // OnInitDialog's UpdateData(FALSE)
        desktop.Type(kName, "Ende");
        dialog.UpdateData(TRUE);
        EXPECT_EQ(dialog.name, "Ende");

        HWND attached = dialog.picture.GetSafeHwnd();
        EXPECT_EQ(attached, dialog.GetDlgItem(kPicture)->GetSafeHwnd());
        dialog.UpdateData(FALSE);
        EXPECT_EQ(dialog.picture.GetSafeHwnd(), attached);
    });
    EXPECT_EQ(dialog.exchanges, 3);
}

TEST_F(FrameworkTest, TypingReplacesTheSelectionOneChangeAtATime) {
    Run([&] {
        dialog.SetDlgItemText(kName, "alt");
        dialog.routed.clear();
        desktop.Type(kName, "neu");
        EXPECT_EQ(desktop.Text(kName), "neu");
        EXPECT_EQ(dialog.Routed(EN_CHANGE).size(), 3u);

        desktop.Type(kName, "");
        EXPECT_EQ(desktop.Text(kName), "neu"); // focused and selected, nothing typed
    });
}

TEST_F(FrameworkTest, AReadOnlyEditTakesTheFocusButNoText) {
    Run([&] {
        dialog.SetDlgItemText(kFixed, "fest");
        dialog.routed.clear();
        desktop.Type(kFixed, "12");
        EXPECT_EQ(desktop.FocusId(), kFixed);
        EXPECT_EQ(desktop.Text(kFixed), "fest");
        EXPECT_TRUE(dialog.Routed(EN_CHANGE).empty());

        ::SendMessageA(dialog.GetDlgItem(kFixed)->GetSafeHwnd(), EM_SETREADONLY, FALSE, 0);
        EXPECT_FALSE(desktop.IsReadOnly(kFixed));
        desktop.Type(kFixed, "12");
        EXPECT_EQ(desktop.Text(kFixed), "12");
    });
}

TEST_F(FrameworkTest, TheFocusMovesBeforeTheEditHearsThatItLostIt) {
    Run([&] {
        desktop.Focus(kValue);
        std::vector<ProbeDialog::Command> lost = dialog.Routed(EN_KILLFOCUS);
        ASSERT_EQ(lost.size(), 1u);
        EXPECT_EQ(lost[0].id, static_cast<UINT>(kName));
        EXPECT_EQ(lost[0].focusId, kValue);
    });
}

// ---- Buttons and keys ----

TEST_F(FrameworkTest, SettingACheckIsSilentAndAClickFocusesTogglesAndReports) {
    Run([&] {
        dialog.routed.clear();
        HWND given = dialog.GetDlgItem(kGiven)->GetSafeHwnd();
        ::SendMessageA(given, BM_SETCHECK, BST_CHECKED, 0);
        dialog.CheckDlgButton(kGiven, BST_UNCHECKED);
        EXPECT_TRUE(dialog.Routed(BN_CLICKED).empty());

        desktop.Click(kGiven);
        EXPECT_EQ(::SendMessageA(given, BM_GETCHECK, 0, 0), BST_CHECKED);
        desktop.Click(kGiven);
        EXPECT_FALSE(desktop.IsChecked(kGiven));

        // The edit that had the focus hears of it first; the click arrives with the focus moved.
        ASSERT_EQ(dialog.routed.size(), 3u);
        EXPECT_EQ(dialog.routed[0].code, EN_KILLFOCUS);
        EXPECT_EQ(dialog.routed[1].code, BN_CLICKED);
        EXPECT_EQ(dialog.routed[1].id, static_cast<UINT>(kGiven));
        EXPECT_EQ(dialog.routed[1].focusId, kGiven);
    });
}

TEST_F(FrameworkTest, EnterSendsTheFocusedButtonsCommandElseOkWithoutAControl) {
    int applied = 0;
    dialog.onApply = [&] { ++applied; };
    INT_PTR result = Run([&] {
        desktop.Focus(kApply);
        desktop.PressEnter();
        EXPECT_EQ(applied, 1);
        EXPECT_TRUE(desktop.HasOpenDialog());

        desktop.Type(kName, "gelesen");
        desktop.Focus(kGiven); // not a push button: the dialog's default command, IDOK
        desktop.PressEnter();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.name, "gelesen"); // OnOK read the fields
    EXPECT_EQ(Ids(dialog.Routed(CN_COMMAND)), (std::vector<UINT>{kApply, IDOK}));
    EXPECT_EQ(dialog.LastSource(IDOK), 0);
}

TEST_F(FrameworkTest, EscapeSendsCancelFromTheCancelButton) {
    HWND cancelButton = nullptr;
    Run([&] {
        cancelButton = dialog.GetDlgItem(IDCANCEL)->GetSafeHwnd();
        desktop.PressEscape();
    });
    EXPECT_EQ(Ids(dialog.Routed(CN_COMMAND)), (std::vector<UINT>{IDCANCEL}));
    EXPECT_EQ(dialog.LastSource(IDCANCEL), reinterpret_cast<LPARAM>(cancelButton));
}

TEST_F(FrameworkTest, TabVisitsTheVisibleEnabledTabStopsInTemplateOrderAndWraps) {
    Run([&] {
        dialog.GetDlgItem(kValue)->EnableWindow(FALSE);
        std::vector<int> visited;
        for (int i = 0; i < 6; ++i) {
            desktop.Tab();
            visited.push_back(desktop.FocusId());
        }
        EXPECT_EQ(visited, (std::vector<int>{kFixed, kGiven, kApply, IDCANCEL, kName, kFixed}));
    });
}

// As on Windows, redrawing switched off takes a window's visible style away without hiding it,
// and switched on gives it back, even to a window that was hidden.
TEST_F(FrameworkTest, RedrawOffAndOnTogglesTheVisibleStyle) {
    Run([&] {
        CWnd* value = dialog.GetDlgItem(kValue);
        value->SetRedraw(FALSE);
        EXPECT_FALSE(desktop.IsVisible(kValue));
        value->SetRedraw(TRUE);
        value->Invalidate();
        EXPECT_TRUE(desktop.IsVisible(kValue));
        value->ShowWindow(SW_HIDE);
        value->SetRedraw(TRUE);
        EXPECT_TRUE(desktop.IsVisible(kValue));
    });
}

// ---- Commands ----

TEST_F(FrameworkTest, CommandsGoThroughTheCommandMapThenOkAndCancel) {
    int applied = 0;
    dialog.onApply = [&] { ++applied; };
    Run([&] {
        desktop.Click(kApply);
        EXPECT_EQ(applied, 1);
        // A command nobody handles changes nothing.
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(kLabel, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(kLabel)->GetSafeHwnd()));
        EXPECT_TRUE(desktop.HasOpenDialog());
        dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(desktop.HasOpenDialog());
    });
}

// ---- Nested modal loops ----

TEST_F(FrameworkTest, NestedDialogsRunTheQueuedAnswerOrAreCancelled) {
    INT_PTR answered = 0;
    INT_PTR unanswered = 0;
    ProbeDialog inner(kInnerDialog, &dialog);
    int shown = 0;
    desktop.OnDialog([&] { ++shown; });
    dialog.onApply = [&] {
        answered = inner.DoModal();
        unanswered = inner.DoModal();
    };
    desktop.QueueDialogAnswer([&] {
        EXPECT_EQ(desktop.Caption(), "Innen");
        EXPECT_EQ(desktop.FocusId(), kName);
        desktop.Type(kName, "innen");
        desktop.Tick(); // the outer dialog's timer keeps running
        desktop.PressEnter();
    });
    Run([&] {
        desktop.Click(kApply);
        EXPECT_EQ(desktop.FocusId(), kApply); // back where it was
        EXPECT_EQ(desktop.Caption(), "Pr\xFC"
                                     "fung");
    });
    EXPECT_EQ(answered, IDOK);
    EXPECT_EQ(inner.name, "innen");
    EXPECT_EQ(unanswered, IDCANCEL);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(dialog.ticks, (std::vector<UINT_PTR>{42}));
}

// ---- Message boxes ----

TEST_F(FrameworkTest, AMessageBoxHoldsTheFocusWhileOpenAndTakesTheQueuedAnswer) {
    std::vector<int> answers;
    std::vector<int> focusWhileOpen;
    desktop.OnMessageBox([&](const headless::MessageBoxRecord&) {
        focusWhileOpen.push_back(desktop.FocusId());
        desktop.Tick();
    });
    dialog.onApply = [&] {
        answers.push_back(dialog.MessageBox("Fehlt", "Fehler", MB_ICONHAND));
        answers.push_back(dialog.MessageBox("Ersetzen?", "Fehler", MB_YESNO | MB_ICONQUESTION));
        answers.push_back(dialog.MessageBox("Nochmal?", "Fehler", MB_YESNO | MB_ICONQUESTION));
    };
    desktop.QueueMessageBoxAnswer(IDYES); // not taken by the box without a Yes button
    Run([&] {
        desktop.Click(kApply);
        EXPECT_EQ(desktop.FocusId(), kApply);
    });
    EXPECT_EQ(answers, (std::vector<int>{IDOK, IDYES, IDNO}));
    EXPECT_EQ(focusWhileOpen, (std::vector<int>{IDOK, IDYES, IDYES}));
    EXPECT_EQ(dialog.ticks.size(), 3u);

    const std::vector<headless::MessageBoxRecord>& boxes = desktop.MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].text, "Ersetzen?");
    EXPECT_EQ(boxes[1].caption, "Fehler");
    EXPECT_EQ(boxes[1].style, static_cast<UINT>(36));
    EXPECT_EQ(boxes[1].answer, IDYES);
    EXPECT_EQ(boxes[0].style, static_cast<UINT>(16));
    EXPECT_NE(boxes[0].owner, nullptr);
}

TEST_F(FrameworkTest, NotificationsReachOnNotifyWhichGivesTheAnswer) {
    LRESULT handled = 0;
    LRESULT unhandled = -1;
    Run([&] {
        handled = dialog.SendMessage(WM_NOTIFY, 7, 41);
        unhandled = dialog.SendMessage(WM_NOTIFY, 0, 41);
    });
    EXPECT_EQ(dialog.notifications, (std::vector<WPARAM>{7, 0}));
    EXPECT_EQ(handled, 42);
    EXPECT_EQ(unhandled, 0);
}

TEST(AppNameTest, IsTheFileNameWithoutFolderAndExtension) {
    const char* cases[][2] = {{"C:\\Programme\\lumetrix.exe", "lumetrix"},
                              {"/usr/bin/lumetrix_tests", "lumetrix_tests"},
                              {"C:lumetrix.1.exe", "lumetrix.1"},
                              {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(AppNameFromPath(c[0]), c[1]);
    }
}

// ---- File dialogs ----

TEST_F(FrameworkTest, CFileDialogPassesItsSetUpAndReturnsThePathChosen) {
    std::vector<INT_PTR> results;
    std::vector<std::string> paths;
    dialog.onApply = [&] {
        for (BOOL open : {TRUE, FALSE, TRUE}) {
            CFileDialog file(open, "*.lumx", "alt.lumx", OFN_HIDEREADONLY | OFN_EXPLORER,
                             "Daten ( *.lumx )|*.lumx|Alle Dateien|*.*|", &dialog);
            file.m_ofn.lpstrTitle = open ? "Laden" : "Speichern";
            results.push_back(file.DoModal());
            paths.push_back(file.GetPathName());
        }
    };
    desktop.QueueFileAnswer("daten/neu.lumx");
    desktop.QueueFileCancel();
    Run([&] { desktop.Click(kApply); });

    EXPECT_EQ(results, (std::vector<INT_PTR>{IDOK, IDCANCEL, IDCANCEL})); // the third unanswered
    EXPECT_EQ(paths[0], "daten/neu.lumx");
    EXPECT_EQ(paths[1], "alt.lumx");
    const std::vector<headless::FileDialogRecord>& records = desktop.FileDialogs();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_FALSE(records[0].save);
    EXPECT_TRUE(records[1].save);
    EXPECT_EQ(records[1].title, "Speichern");
    EXPECT_EQ(records[0].filter,
              (std::vector<std::string>{"Daten ( *.lumx )", "*.lumx", "Alle Dateien", "*.*"}));
    EXPECT_EQ(records[0].flags,
              static_cast<DWORD>(OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLEHOOK));
    EXPECT_EQ(records[0].fileName, "alt.lumx");
    EXPECT_EQ(records[0].defExt, "*.lumx");
    EXPECT_EQ(records[0].answer, std::optional<std::string>("daten/neu.lumx"));
    EXPECT_EQ(records[1].answer, std::nullopt);
    EXPECT_NE(records[0].owner, nullptr);
}

// The dialog takes paths of any length the system's file functions take; a longer one does not
// fit its buffer and fails as such, not as a cancel.
TEST_F(FrameworkTest, APathLongerThanTheBufferIsNotChosen) {
    const struct {
        std::size_t length;
        INT_PTR result;
        DWORD error;
    } cases[] = {{MAX_PATH, IDOK, 0}, {32767, IDOK, 0}, {32768, IDCANCEL, FNERR_BUFFERTOOSMALL}};
    for (const auto& c : cases) {
        INT_PTR result = 0;
        DWORD error = 0;
        std::string chosen;
        dialog.onApply = [&] {
            CFileDialog file(TRUE);
            result = file.DoModal();
            error = CommDlgExtendedError();
            chosen = file.GetPathName();
        };
        desktop.QueueFileAnswer(std::string(c.length, 'a'));
        Run([&] { desktop.Click(kApply); });
        EXPECT_EQ(result, c.result) << c.length;
        EXPECT_EQ(error, c.error) << c.length;
        EXPECT_EQ(chosen.size(), c.result == IDOK ? c.length : 0u) << c.length;
    }
}

// ---- Timer, colours, pictures, icons, system menu, painting ----

TEST_F(FrameworkTest, ATickReachesEveryTimerOfAnOpenWindow) {
    Run([&] {
        EXPECT_EQ(desktop.TimerPeriod(42), std::optional<UINT>(250));
        desktop.Tick();
        desktop.Tick();
    });
    desktop.Tick(); // the timer went with its window
    EXPECT_EQ(dialog.ticks, (std::vector<UINT_PTR>{42, 42}));
}

TEST_F(FrameworkTest, TheDialogChoosesAControlsColoursAndTheSystemTheRest) {
    Run([&] {
        headless::ControlColours own = desktop.ColoursOf(kValue);
        EXPECT_EQ(own.brush, std::optional<COLORREF>(kValueColour));
        EXPECT_EQ(own.background, std::optional<COLORREF>(kValueColour));

        headless::ControlColours system = desktop.ColoursOf(kName);
        EXPECT_EQ(system.brush, std::optional<COLORREF>(RGB(255, 255, 255)));
        EXPECT_EQ(system.background, system.brush);

        desktop.ColoursOf(kFixed); // a read-only edit is asked for like a static
        desktop.ColoursOf(kApply);
    });
    EXPECT_EQ(dialog.colourKinds,
              (std::vector<UINT>{CTLCOLOR_EDIT, CTLCOLOR_EDIT, CTLCOLOR_STATIC, CTLCOLOR_BTN}));
}

TEST_F(FrameworkTest, StaticsShowTheImagesTheyAreGiven) {
    Run([&] {
        EXPECT_EQ(desktop.ImageId(kIcon), 128); // named by the template
        EXPECT_EQ(desktop.ImageId(kPicture), 0);
        HBITMAP first = LoadBitmapA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(131));
        HBITMAP second = LoadBitmapA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(129));
        EXPECT_EQ(dialog.picture.SetBitmap(first), nullptr);
        EXPECT_EQ(dialog.picture.SetBitmap(second), first);
        EXPECT_EQ(desktop.ImageId(kPicture), 129);
        EXPECT_EQ(LoadBitmapA(nullptr, MAKEINTRESOURCEA(130)), nullptr); // no such resource

        dialog.SetIcon(LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(128)), TRUE);
        EXPECT_EQ(desktop.IconId(true), 128);
        EXPECT_EQ(desktop.IconId(false), 0);
    });
}

TEST_F(FrameworkTest, SystemMenuItemsAreAppendedAndTheirCommandsArrive) {
    Run([&] {
        CMenu* menu = dialog.GetSystemMenu(FALSE);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu, dialog.GetSystemMenu(FALSE));
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, 0x10, "Inf&o");
        std::vector<headless::MenuItem> items = desktop.SystemMenu();
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(items[0].flags, static_cast<UINT>(MF_SEPARATOR));
        EXPECT_EQ(items[1].id, static_cast<UINT_PTR>(0x10));
        EXPECT_EQ(items[1].text, "Inf&o");

        desktop.SystemCommand(0x10);
        EXPECT_TRUE(desktop.HasOpenDialog());
    });
    EXPECT_EQ(dialog.systemCommands, (std::vector<UINT>{0x10}));

    ProbeDialog inner(kInnerDialog); // without WS_SYSMENU
    desktop.Run(inner, [&] { EXPECT_EQ(inner.GetSystemMenu(FALSE), nullptr); });
}

TEST_F(FrameworkTest, AMinimisedDialogPaintsItsIcon) {
    Run([&] {
        EXPECT_TRUE(desktop.Paint().empty());
        desktop.Minimize();
        EXPECT_TRUE(dialog.IsIconic());
        std::vector<headless::DrawnIcon> drawn = desktop.Paint();
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].iconId, 128);
        RECT client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(drawn[0].x, client.right / 2);
    });
}

// ---- Placement ----

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Centred to the pixel: the halves of an odd size differ by one.
void ExpectCentredOver(const RECT& inner, const RECT& outer) {
    EXPECT_NEAR(inner.left + inner.right, outer.left + outer.right, 1);
    EXPECT_NEAR(inner.top + inner.bottom, outer.top + outer.bottom, 1);
}

TEST_F(FrameworkTest, DialogsAreCentredOverTheirOwnerOrTheWorkAreaAndKeptInside) {
    RECT workArea;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0));
    ProbeDialog inner(kInnerDialog, &dialog);
    std::vector<RECT> innerPlaces;
    desktop.OnDialog([&] { innerPlaces.push_back(WindowRectOf(desktop.ActiveDialog())); });
    dialog.onApply = [&] { inner.DoModal(); };
    RECT outer{};
    Run([&] {
        outer = WindowRectOf(desktop.ActiveDialog());
        desktop.Click(kApply);
    });
    ExpectCentredOver(outer, workArea);
    ASSERT_EQ(innerPlaces.size(), 1u);
    ExpectCentredOver(innerPlaces[0], outer);

    // A dialog that places itself stays there; one centred over it stays in the work area.
    ProbeDialog placed;
    ProbeDialog nested(kInnerDialog, &placed);
    placed.onInitDialog = [&] {
        ::SetWindowPos(placed.GetSafeHwnd(), nullptr, -200, -150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    };
    placed.onApply = [&] { nested.DoModal(); };
    desktop.Run(placed, [&] {
        outer = WindowRectOf(desktop.ActiveDialog());
        desktop.Click(kApply);
    });
    EXPECT_EQ(outer.left, -200);
    EXPECT_EQ(outer.top, -150);
    ASSERT_EQ(innerPlaces.size(), 2u);
    EXPECT_EQ(innerPlaces[1].left, workArea.left);
    EXPECT_EQ(innerPlaces[1].top, workArea.top);
}

// ---- Handles ----

TEST_F(FrameworkTest, FromHandleKeepsOneWrapperPerHandle) {
    Run([&] {
        HWND name = ::GetDlgItem(dialog.GetSafeHwnd(), kName);
        EXPECT_EQ(CWnd::FromHandle(name), dialog.GetDlgItem(kName));
        EXPECT_EQ(CWnd::FromHandle(name)->GetSafeHwnd(), name);
        EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
        EXPECT_EQ(dialog.GetDlgItem(4711), nullptr);
        EXPECT_EQ(GetWindowLongA(name, GWL_ID), kName);
    });
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr); // detached when its window went
}

} // namespace
