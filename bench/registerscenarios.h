#pragma once

class QString;

// The register on one account of `transactions` lines: opening it, a reload, one committed line,
// scrolling through every page, and the process's peak memory with the account open. With
// `householdDir` naming a household the window suite generated, its largest account is used
// instead (about a third of the household's lines), and the lines committed here are taken out
// again afterwards.
void registerScenarios(int transactions, int runs, const QString &householdDir);
