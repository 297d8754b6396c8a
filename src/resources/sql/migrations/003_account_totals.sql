-- Per-account totals (the sidebar balances, the account summary report) read only these columns.
-- Widening the account index to carry them lets the totals come from the index alone, in account
-- order, instead of visiting every row of the table; lookups by account use it as before, and
-- writes keep the same number of indexes to maintain.
DROP INDEX IF EXISTS idx_transactions_account_id;
CREATE INDEX IF NOT EXISTS idx_transactions_account_id
    ON transactions(account_id, deleted_at, cleared, amount);
