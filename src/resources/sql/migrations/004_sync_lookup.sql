-- A pulled row unknown by its id is looked up by the id the server gave it; without these
-- indexes every such row read the whole table, and a first pull of many rows took minutes.
CREATE INDEX IF NOT EXISTS idx_accounts_server_id ON accounts(server_id);
CREATE INDEX IF NOT EXISTS idx_categories_server_id ON categories(server_id);
CREATE INDEX IF NOT EXISTS idx_recurring_transactions_server_id ON recurring_transactions(server_id);
CREATE INDEX IF NOT EXISTS idx_transactions_server_id ON transactions(server_id);
CREATE INDEX IF NOT EXISTS idx_reconciliations_server_id ON reconciliations(server_id);
