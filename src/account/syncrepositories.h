#pragma once

class AccountRepository;
class CategoryRepository;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// What the sync engine reads and writes, all borrowed from AppState.
struct SyncRepositories
{
    Database *database = nullptr;
    AccountRepository *accounts = nullptr;
    TransactionRepository *transactions = nullptr;
    CategoryRepository *categories = nullptr;
    RecurringRepository *recurring = nullptr;
    ReconciliationRepository *reconciliations = nullptr;
    PreferencesRepository *preferences = nullptr;
};
