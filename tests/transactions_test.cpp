// The transaction dialogs, as a technician uses them.
#include "harness.h"
#include "resource.h"

namespace {

using Transactions = SiteFixture;

} // namespace

TEST_F(Transactions, TransactionSetup)
{
    RunScenarios(*this, IDM_TRANSACTIONS, "", {
        {"no keys: one image, no printing, the default protocol with its customer field; OK stores them as shown", "",
         "see @caption = Transaction Setup; see 163 = 1; see Print All = off; "
         "items Transaction Protocol = Default, Wells Fargo, First Union, Cal Fed, Washington Mutual, Norwest, Guaranty, "
         "Brattleboro, Custom, First Commerce, Union State; see Transaction Protocol = Default; enabled Customer Field Size; "
         "see Customer Field Size = 0; ok",
         "S [Transaction] Cust Size=0; Number of Images=1; Print Events=0\nS [OrvaComm] Bank Protocol=0"},
        {"a protocol without a customer field disables the box, whose value is still stored as a number",
         "S [OrvaComm] Bank Protocol=1\nS [Transaction] Cust Size=12",
         "see Transaction Protocol = Wells Fargo; enabled Customer Field Size; choose Transaction Protocol = Custom; "
         "disabled Customer Field Size; type Customer Field Size = abc; click Print All; ok",
         "S [Transaction] Cust Size=0; Number of Images=1; Print Events=1\nS [OrvaComm] Bank Protocol=8"},
        {"a stored protocol outside the list: none shown, the box disabled, and -1 stored", "S [OrvaComm] Bank Protocol=11",
         "see Transaction Protocol = <none>; disabled Customer Field Size; ok",
         "S [Transaction] Cust Size=0; Number of Images=1; Print Events=0\nS [OrvaComm] Bank Protocol=-1"},
        {"+ and - step the images, never below one", "S [Transaction] Number of Images=-4",
         "click -; see 163 = 1; click +; click +; see 163 = 3; click -; "
         "type 163 = x; click +; see 163 = 1; cancel", ""},
    });
}
