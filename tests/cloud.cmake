# ledgerwell-server, started as a process by the tests; the parts tests link its library.
if(TARGET ledgerwell-server)
    add_library(ledgerwell_serverprocess STATIC
        support/serverprocess.cpp
        support/httptestclient.cpp
    )
    target_include_directories(ledgerwell_serverprocess PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(ledgerwell_serverprocess
        PUBLIC Qt6::Core Qt6::Network Qt6::Sql ledgerwell_test_options)
    target_compile_definitions(ledgerwell_serverprocess PRIVATE
        LEDGERWELL_SERVER="$<TARGET_FILE:ledgerwell-server>")
    add_dependencies(ledgerwell_serverprocess ledgerwell-server)

    ledgerwell_add_test_area(server
        MAIN support/main_core.cpp
        SOURCES server/serverparts_test.cpp server/serverapi_test.cpp
        CLASSES ServerPartsTest ServerApiTest
        LIBS ledgerwell_server ledgerwell_serverprocess
    )
    # Every case starts its own server, twice over (SQLite and PostgreSQL): minutes on a busy
    # machine.
    set_tests_properties(server.ServerApiTest PROPERTIES TIMEOUT 900)
endif()

# The cloud client against a real ledgerwell-server; the Secret Service case runs on a private
# session bus with an unlocked gnome-keyring.
if(TARGET ledgerwell-server)
    ledgerwell_add_test_area(account
        MAIN support/main_core.cpp
        SOURCES
            account/accountfixture.cpp
            account/apiclient_test.cpp
            account/keychain_test.cpp
            account/scriptedserver.cpp
            account/signin_test.cpp
            account/tokenstore_test.cpp
        CLASSES ApiClientTest SignInTest TokenStoreTest
        LIBS ledgerwell_serverprocess
    )
    add_test(NAME account.KeychainTest
        COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-keyring.sh $<TARGET_FILE:tst_account> KeychainTest)
    set_tests_properties(account.KeychainTest PROPERTIES TIMEOUT 120)
endif()

# ledgerwell-cli's sign-in commands against a real ledgerwell-server.
if(TARGET ledgerwell-server)
    target_sources(tst_cli PRIVATE cli/cloudcommands_test.cpp cli/browsersignin_test.cpp)
    target_link_libraries(tst_cli PRIVATE ledgerwell_serverprocess)
    target_compile_definitions(tst_cli PRIVATE
        LEDGERWELL_BROWSER_DRIVER="${CMAKE_CURRENT_SOURCE_DIR}/cli/drive_browser.py")
    foreach(cls CloudCommandsTest BrowserSignInTest)
        add_test(NAME cli.${cls} COMMAND tst_cli ${cls})
        set_tests_properties(cli.${cls} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
    endforeach()
endif()

# The sync engine and the server's sync API: edge cases against a scripted server where a status
# must be forced, and two installations kept in step through a real ledgerwell-server (SQLite and
# PostgreSQL).
if(TARGET ledgerwell-server)
    ledgerwell_add_test_area(sync
        MAIN support/main_core.cpp
        SOURCES
            account/scriptedserver.cpp
            account/syncengine_test.cpp
            account/syncinstallation.cpp
            account/synctwoinstallations_test.cpp
        CLASSES SyncEngineTest SyncTwoInstallationsTest
        LIBS ledgerwell_serverprocess
    )
    set_tests_properties(sync.SyncTwoInstallationsTest PROPERTIES TIMEOUT 900)
endif()

# The update check, release notes and What's New against ledgerwell-server --downloads, and the
# release script's layout read back by the program.
if(TARGET ledgerwell-server)
    ledgerwell_add_test_area(update
        MAIN support/main_gui.cpp
        SOURCES
            update/downloadserver.cpp
            update/downloads_test.cpp
            update/releasenotes_test.cpp
            update/updateclient_test.cpp
            update/updateui_test.cpp
        CLASSES DownloadsTest ReleaseNotesTest UpdateClientTest UpdateUiTest
        LIBS ledgerwell_widgets ledgerwell_serverprocess
    )
    target_compile_definitions(tst_update PRIVATE LEDGERWELL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endif()

# The start-up's cloud steps, and signing in from the main window with headless Chromium, both
# against a real ledgerwell-server.
if(TARGET ledgerwell-server)
    ledgerwell_add_test_area(cloudui
        MAIN support/main_gui.cpp
        SOURCES account/accountfixture.cpp app/cloudstart_test.cpp ui/signin_gui_test.cpp
        CLASSES CloudStartTest SignInGuiTest
        LIBS ledgerwell_widgets ledgerwell_serverprocess
    )
    target_compile_definitions(tst_cloudui PRIVATE
        LEDGERWELL_BROWSER_DRIVER="${CMAKE_CURRENT_SOURCE_DIR}/cli/drive_browser.py")
endif()

# Households on the server: the group, share and feed stores on SQLite and PostgreSQL, every
# route walked by every kind of caller, the group API, and two installations sharing an account.
if(TARGET ledgerwell-server)
    ledgerwell_add_test_area(sharing
        MAIN support/main_core.cpp
        SOURCES
            account/syncinstallation.cpp
            server/authorisation_test.cpp
            server/groupapi_test.cpp
            server/household.cpp
            server/sharedsync_test.cpp
            server/sharingstores_test.cpp
        CLASSES AuthorisationTest GroupApiTest SharedSyncTest SharingStoresTest
        LIBS ledgerwell_server ledgerwell_serverprocess
    )
    target_include_directories(tst_sharing PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/account)
    set_tests_properties(sharing.AuthorisationTest sharing.GroupApiTest sharing.SharedSyncTest
        PROPERTIES TIMEOUT 900)
endif()

# The window program's sync against a real ledgerwell-server: the status bar and the settings
# window's sync section while a second installation of the same user changes rows.
if(TARGET ledgerwell-server)
    ledgerwell_add_test_area(syncui
        MAIN support/main_gui.cpp
        SOURCES account/accountfixture.cpp account/syncinstallation.cpp ui/syncwindow_test.cpp
        CLASSES SyncWindowTest
        LIBS ledgerwell_widgets ledgerwell_serverprocess
    )
    set_tests_properties(syncui.SyncWindowTest PROPERTIES TIMEOUT 600)
endif()

# The account screen, the share dialog and the sharing service: against a real
# ledgerwell-server, and against scripted servers where a reply must be shaped by hand.
if(TARGET ledgerwell-server)
    ledgerwell_add_test_area(accountscreen
        MAIN support/main_gui.cpp
        SOURCES
            account/accountfixture.cpp
            account/scriptedserver.cpp
            account/sharing_test.cpp
            account/syncinstallation.cpp
            ui/accountscreen_test.cpp
            ui/accountwindows_test.cpp
            ui/householdscreens_test.cpp
            ui/sharedialog_test.cpp
        CLASSES SharingTest AccountScreenTest AccountWindowsTest HouseholdScreensTest
            ShareDialogTest
        LIBS ledgerwell_widgets ledgerwell_serverprocess
    )
endif()

# A household sharing an account through a real ledgerwell-server (SQLite and PostgreSQL).
if(TARGET ledgerwell-server)
    target_sources(tst_sync PRIVATE account/sharehousehold_test.cpp)
    add_test(NAME sync.ShareHouseholdTest COMMAND tst_sync ShareHouseholdTest)
    set_tests_properties(sync.ShareHouseholdTest PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
endif()
