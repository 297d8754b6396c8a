#pragma once

// The reconcile window on one account of `transactions` lines: opened with the generator's
// flags (all but the last two months reconciled), then with every line still to reconcile;
// opening it, ticking a line, jumping to the last line, and the memory the window adds.
void reconcileScenarios(int transactions, int runs);
