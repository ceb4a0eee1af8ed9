// E-mail notification, reached as a technician reaches it: the system alarms page of a 12.1 unit,
// "Configure Email/SMS", and from there the password dialog and the paging wizard.
#include "harness.h"
#include "resource.h"

namespace {

using Email = SiteFixture;

const char kOpen[] = "click Configure Email/SMS; ";
const Box kWrongOld{"", "Old Password is Incorrect", "stop"};
const Box kNotChanged{"", "Password was not changed", "none"};
const std::string kProviders = "PhoneMsgProviders.TXT [Basic Email] Providers=3; Provider 1=Northwind,sms.northwind.example; Provider 3=,,Bare\n"
                               "PhoneMsgProviders.TXT [All Email] Providers=1; Provider 1=Full One,full.example\n";

} // namespace

TEST_F(Email, EmailAndPasswordDialogs)
{
    RunScenarios(*this, IDM_ALARM_CONFIG, "S [Global] QUELT Version=V12.1", {
        {"no keys: the example server and sender, nothing ticked, and the default password is the old one", "",
         std::string(kOpen) + "see @caption = EMAIL; see SMTP Host = smtp.example.com; see SMTP Username = dvr-alerts@example.com; "
         "see Email From = Branch Video Recorder <dvr-alerts@example.com>; see Recipient Email = ; see Send On Power Up = off; "
         "hidden SMS; click Change Password; see @caption = Change Password for SNMP Server; shown Old Password; "
         "type Old Password = Tulip2047; type New Password = Secret 1; type Confirm Password = Secret 1; ok; cancel; cancel",
         "S [Email] PW=\x85\xB3\xB5\xA4\xB3\xA2\xF6\xE7"},
        {"Set Defaults shows the example settings; Cancel then keeps the stored server and password together",
         "S [Email] Host=mail.bank.example; PW=old; To Address=a@x.example",
         std::string(kOpen) + "click Set Defaults; see SMTP Host = smtp.example.com; see Recipient Email = ; cancel; cancel", ""},
        {"Set Defaults and OK store the example settings with the scrambled default password",
         "S [Email] Host=mail.bank.example; PW=old; To Address=a@x.example",
         std::string(kOpen) + "click Set Defaults; ok; cancel",
         "S [Email] Host=smtp.example.com; Snmp User=dvr-alerts@example.com; From=Branch Video Recorder <dvr-alerts@example.com>\n"
         "S [Email] To Address=; To Name=; PW=\x82\xA3\xBA\xBF\xA6\xE4\xE6\xE2\xE1\n"
         "S [Email] On Disk Error=0; On Video Restored=0; On Mux Error=0; On Alarm Input=0; On Illum Error=0; On Video Error=0\n"
         "S [Email] On Power Up=0; On Reboot=0; On Termination=0"},
        {"a host differing only in case keeps the old-password check, another host skips it", "S [Email] Host=mail.bank.example; PW=plain",
         std::string(kOpen) + "type SMTP Host = MAIL.BANK.EXAMPLE; click Change Password; shown Old Password; cancel; "
         "type SMTP Host = other.example; click Change Password; hidden Old Password; type New Password = x; "
         "type Confirm Password = x; ok; cancel; cancel", "S [Email] PW=\xAE", {kNotChanged}},
        {"three wrong old passwords, then the right one, change it; four wrong close without a change", "S [Email] PW=plain",
         std::string(kOpen) + "click Change Password; type Old Password = a; ok; ok; ok; type Old Password = plain; "
         "type New Password = new; type Confirm Password = new; ok; click Change Password; ok; ok; ok; ok; cancel; cancel",
         "S [Email] PW=\xB8\xB3\xA1", {kWrongOld, kWrongOld, kWrongOld, kWrongOld, kWrongOld, kWrongOld, kWrongOld}},
        {"an empty new password is stored empty, and is the old one from then on", "S [Email] PW=plain",
         std::string(kOpen) + "click Change Password; type Old Password = plain; ok; click Change Password; ok; cancel; cancel",
         "S [Email] PW="},
        {"different passwords, and one the recorder could not read back, are refused", "S [Email] PW=plain",
         std::string(kOpen) + "click Change Password; type Old Password = plain; type New Password = a; type Confirm Password = b; ok; "
         "type New Password = caf\xE9; type Confirm Password = caf\xE9; ok; cancel; cancel; cancel", "",
         {{"", "New Password and Confirm Password Are Different", "none"},
          {"", "A password may hold only letters, digits, blanks and the punctuation of a US keyboard.\n"
               "The password was not changed.", "none"}, kNotChanged}},
        {"OK stores every key, power-up standing for reboot too, and the page shows the new list",
         "S [Email] On Reboot=1; To Address=a@x.example; PW=plain",
         std::string(kOpen) + "see Send On Power Up = on; click Send On Disk Error; type Recipient Email = b@x.example; ok; "
         "see Email/SMS Address = b@x.example; cancel",
         "S [Email] Host=smtp.example.com; Snmp User=dvr-alerts@example.com; From=Branch Video Recorder <dvr-alerts@example.com>\n"
         "S [Email] To Address=b@x.example; To Name=; On Disk Error=1; On Video Restored=0; On Mux Error=0; On Alarm Input=0\n"
         "S [Email] On Illum Error=0; On Video Error=0; On Power Up=1; On Termination=0"},
    });
}

TEST_F(Email, PagingWizard)
{
    RunScenarios(*this, IDM_ALARM_CONFIG, "S [Global] QUELT Version=V12.1\n" + kProviders, {
        {"carriers in file order without the missing one; the digits of the number at the carrier's gateway",
         "", std::string(kOpen) + "shown SMS; click SMS; see @caption = Email and Page Wizard; see Phone Carrier Name = Select One; "
         "items Phone Carrier Name = Select One, Northwind, Bare; click Full List; items Phone Carrier Name = Select One, Full One; "
         "see Phone Carrier Name = Select One; click Basic List; hidden 103; hidden 101; "
         "choose Phone Carrier Name = Northwind; see Phone Carrier Name = Select One; type 10 Digit = (555) 109-4567; "
         "choose Phone Carrier Name = Bare; see Email Address for Phone = 5551094567@; choose Phone Carrier Name = Northwind; "
         "see Email Address for Phone = 5551094567@sms.northwind.example; ok; see Recipient Email = 5551094567@sms.northwind.example; "
         "cancel; cancel", "S [Email] To Address=5551094567@sms.northwind.example", {{"", "Need to enter phone number first.", "none"}}},
        {"added to a stored list of two, after saying what is missing", "S [Email] To Address=a@x.example;b@x.example",
         std::string(kOpen) + "click SMS; shown 103; see Replace Existing Email = off; ok; type 10 Digit = 5551234567; "
         "choose Phone Carrier Name = Northwind; ok; click Add Email to Existing List; ok; cancel; cancel",
         "S [Email] To Address=a@x.example;b@x.example;5551234567@sms.northwind.example",
         {{"", "No selection made.", "none"}, {"", "Please Specify Replace Existing Email or Add Email to List.", "none"}}},
        {"a list that would pass 254 characters is refused whole", "S [Email] To Address=" + std::string(230, 'a'),
         std::string(kOpen) + "click SMS; type 10 Digit = 5551234567; choose Phone Carrier Name = Northwind; "
         "click Add Email to Existing List; ok; cancel; cancel; cancel", "",
         {{"", "The recipient list is full: it may hold at most 254 characters.\nRemove an address in the e-mail dialog first. "
               "Nothing was added.", "none"}}},
        {"a damaged carrier file: a huge count, a long entry, control bytes",
         "PhoneMsgProviders.TXT [Basic Email] Providers=2147483647; Provider 1=" + std::string(500, 'x') + "; Provider 2=\x01\x02,\x7f",
         std::string(kOpen) + "click SMS; items Phone Carrier Name = Select One, " + std::string(79, 'x') + ", \x01\x02, Bare; cancel; cancel; cancel", ""},
    });
}
