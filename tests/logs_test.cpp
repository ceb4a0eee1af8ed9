// Activity and status log limits: what the boxes show, what OK writes, and what is refused.
#include "system/logs.h"
#include "modal_driver.h"
#include "resource.h"
#include "site_fixture.h"

#include <gtest/gtest.h>

namespace {

struct LogDialog {
    const char* templateName;
    DLGPROC proc;
    int editId;
    const char* key;
};

const LogDialog kActivity{"IDD_ACTIVITYLOG", ActivityLogProc, IDC_ACTIVITY_DAYS, "Activity Log Storage"};
const LogDialog kStatus{"IDD_STATUSLOG", StatusLogProc, IDC_STATUS_LOG_SIZE, "Status Log Size"};

class Logs : public SiteFixture {
protected:
    std::string Shown(const LogDialog& d)
    {
        std::string shown;
        DriveDialog(d.templateName, d.proc,
                    {[&](HWND dlg) {
                        shown = TextOf(dlg, d.editId);
                        Click(dlg, IDCANCEL);
                    }});
        return shown;
    }
};

} // namespace

TEST_F(Logs, BoxesShowTheStoredValueOrTheDefault)
{
    const struct {
        const LogDialog* dialog;
        const char* stored; // null: key absent
        const char* shown;
    } cases[] = {
        {&kActivity, nullptr, "30"},      {&kActivity, "45", "45"},       {&kActivity, "", "30"},
        {&kActivity, "-2147483648", "-2147483648"},                       {&kActivity, "12abc", "12"},
        {&kActivity, "99999999999", "2147483647"},                        {&kStatus, nullptr, "100"},
        {&kStatus, "20000", "20000"},     {&kStatus, "junk", "0"},        {&kStatus, "-4", "-4"},
    };
    for (const auto& c : cases) {
        WriteRaw(SystemIniPath(), "");
        if (c.stored)
            SeedSystem("OrvaFile", c.dialog->key, c.stored);
        EXPECT_EQ(Shown(*c.dialog), c.shown) << c.dialog->key << " = " << (c.stored ? c.stored : "<absent>");
    }
}

TEST_F(Logs, OkWritesAcceptedValuesAndRefusesTheRest)
{
    const char* const kMin1Day = "Minimum Value is 1 Day";
    const char* const kMin1KB = "Minimum Value is 1 (1KB)";
    const char* const kMax20MB = "Maximum Value is 20,000 (20MB)";
    const struct {
        const LogDialog* dialog;
        const char* typed;
        const char* written; // null: refused with the message
        const char* message;
    } cases[] = {
        {&kActivity, "1", "1", nullptr},
        {&kActivity, "7", "7", nullptr},
        {&kActivity, "100000", "100000", nullptr},
        {&kActivity, " 60 ", "60", nullptr},
        {&kActivity, "0", nullptr, kMin1Day},
        {&kActivity, "-3", nullptr, kMin1Day},
        {&kActivity, "", nullptr, kMin1Day},
        {&kActivity, "abc", nullptr, kMin1Day},
        {&kActivity, "12abc", nullptr, kMin1Day},
        {&kActivity, "99999999999", nullptr, kMin1Day},
        {&kStatus, "1", "1", nullptr},
        {&kStatus, "20000", "20000", nullptr},
        {&kStatus, "20001", nullptr, kMax20MB},
        {&kStatus, "2147483647", nullptr, kMax20MB},
        {&kStatus, "0", nullptr, kMin1KB},
        {&kStatus, "-1", nullptr, kMin1KB},
        {&kStatus, "", nullptr, kMin1KB},
        {&kStatus, "ten", nullptr, kMin1KB},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.dialog->key) + " typed \"" + c.typed + "\"");
        SeedSystem("OrvaFile", c.dialog->key, "5");
        SeedSystem("OrvaFile", "Other", "kept");
        MarkClean();
        const ModalRun run = DriveDialog(c.dialog->templateName, c.dialog->proc,
                                         {[&](HWND dlg) {
                                              TypeText(dlg, c.dialog->editId, c.typed);
                                              Click(dlg, IDOK);
                                          },
                                          [](HWND dlg) { Click(dlg, IDCANCEL); }});
        if (c.written) {
            EXPECT_EQ(run.stepsRun, 1) << "OK closes the dialog";
            EXPECT_TRUE(run.boxes.empty());
            EXPECT_EQ(ChangesSinceMark(),
                      std::vector<std::string>{Change("ORVANT.INI", "OrvaFile", c.dialog->key, "5", c.written)});
        } else {
            EXPECT_EQ(run.stepsRun, 2) << "the dialog stays open";
            ASSERT_EQ(run.boxes.size(), 1u);
            EXPECT_EQ(run.boxes[0].title, "Error - Value out of Range");
            EXPECT_EQ(run.boxes[0].text, c.message);
            EXPECT_EQ(run.boxes[0].buttons, static_cast<UINT>(MB_OK));
            EXPECT_TRUE(ChangesSinceMark().empty());
        }
    }
}

TEST_F(Logs, OkAfterARefusalWritesTheCorrectedValue)
{
    const ModalRun run = DriveDialog("IDD_STATUSLOG", StatusLogProc,
                                     {[](HWND dlg) {
                                          TypeText(dlg, IDC_STATUS_LOG_SIZE, "30000");
                                          Click(dlg, IDOK);
                                      },
                                      [](HWND dlg) {
                                          TypeText(dlg, IDC_STATUS_LOG_SIZE, "512");
                                          Click(dlg, IDOK);
                                      },
                                      [](HWND dlg) { Click(dlg, IDCANCEL); }});
    EXPECT_EQ(run.stepsRun, 2);
    EXPECT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(ChangesSinceMark(),
              std::vector<std::string>{Change("ORVANT.INI", "OrvaFile", "Status Log Size", std::nullopt, "512")});
}

TEST_F(Logs, CancelAndUntouchedOkWriteOnlyWhatOkOwns)
{
    for (const LogDialog* d : {&kActivity, &kStatus}) {
        WriteRaw(SystemIniPath(), "");
        MarkClean();
        const ModalRun cancelled = DriveDialog(d->templateName, d->proc, {[&](HWND dlg) {
                                                   TypeText(dlg, d->editId, "9");
                                                   Click(dlg, IDCANCEL);
                                               }});
        EXPECT_EQ(cancelled.result, 1);
        EXPECT_TRUE(ChangesSinceMark().empty()) << d->key;
        // OK on the shown default stores the default.
        DriveDialog(d->templateName, d->proc, {[](HWND dlg) { Click(dlg, IDOK); }});
        EXPECT_EQ(ChangesSinceMark(), std::vector<std::string>{Change("ORVANT.INI", "OrvaFile", d->key,
                                                                      std::nullopt,
                                                                      d == &kActivity ? "30" : "100")});
    }
}

TEST_F(Logs, HelpButtonIsHidden)
{
    for (const LogDialog* d : {&kActivity, &kStatus}) {
        bool helpVisible = true;
        DriveDialog(d->templateName, d->proc, {[&](HWND dlg) {
                        helpVisible = IsWindowVisible(GetDlgItem(dlg, IDHELP));
                        Click(dlg, IDCANCEL);
                    }});
        EXPECT_FALSE(helpVisible) << d->templateName;
    }
}
