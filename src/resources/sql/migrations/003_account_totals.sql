-- The account index carries what reading one account needs: live rows first, in register order
-- (date, then creation), with the columns the totals add up. The register and reconciliation
-- lists then come out of the index already sorted, and the sidebar balances and the account
-- summary report are answered from the index alone. The index keeps its name, lookups by
-- account use its first column as before, and writes maintain the same number of indexes.
DROP INDEX IF EXISTS idx_transactions_account_id;
CREATE INDEX IF NOT EXISTS idx_transactions_account_id
    ON transactions(account_id, deleted_at, date, created_at, cleared, amount);
