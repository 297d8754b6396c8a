#pragma once

// The register on one account of `transactions` lines: opening it, a reload, one committed line,
// scrolling through every page, and the process's peak memory with the account open.
void registerScenarios(int transactions, int runs);
