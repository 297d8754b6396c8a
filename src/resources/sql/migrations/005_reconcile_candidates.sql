-- The lines still to reconcile, in register order, with what the reconcile window adds up.
-- The account index holds every live line but not the reconciled flag, so counting or paging
-- through the few unreconciled lines of a long account read every one of its rows; this
-- partial index holds only the unreconciled lines and answers those walks by itself.
CREATE INDEX IF NOT EXISTS idx_transactions_unreconciled
    ON transactions(account_id, date, created_at, cleared, amount)
    WHERE deleted_at IS NULL AND reconciled = 0;
