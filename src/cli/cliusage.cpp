#include "cliusage.h"

QString CliUsage::text()
{
    return QStringLiteral(
        "Usage: ledgerwell-cli [--json] COMMAND [ARGUMENTS]\n"
        "\n"
        "Works on the Ledgerwell database in $LEDGERWELL_DATA_DIR or the per-user data folder.\n"
        "\n"
        "Commands:\n"
        "  accounts                                   list accounts with their balances\n"
        "  add-account NAME [--type T] [--currency C] [--opening-balance AMOUNT\n"
        "             [--as-of yyyy-MM-dd]]       AMOUNT in the account's currency\n"
        "  import-qif FILE [--account NAME|ID] [--map SOURCE=ACCOUNT ...]\n"
        "  import-csv FILE --account NAME|ID --date-col N --payee-col N --amount-col N\n"
        "             [--memo-col N] [--category-col N] [--deposit-col N] [--date-format F]\n"
        "             [--no-header]    with --deposit-col, --amount-col holds money out\n"
        "  export-backup FILE [--salvage]            --salvage: what a damaged file still holds\n"
        "  import-backup FILE [--mode skip|overwrite|newer]\n"
        "  report NAME [--from D] [--to D] [--account NAME|ID] [--csv FILE]\n"
        "             NAME: category-spending, payee-summary, tax-report, cash-flow,\n"
        "                   year-over-year (with --from2 D --to2 D), account-summary\n"
        "             dates as yyyy-MM-dd; by default the whole history up to today\n"
        "             [--exclude-transfers] leaves transfers between accounts out\n"
        "  post-due                                   post the due automatic recurring entries\n"
        "  sample load|clear\n"
        "  check                                      check the data file for damage\n"
        "  sign-in | sign-out | whoami                the cloud account (see AUTH_BASE_URL)\n"
        "  sync [--full]                              sync with the server (see SYNC_API_URL)\n"
        "\n"
        "Run 'ledgerwell-cli COMMAND --help' for a command's options.\n");
}
