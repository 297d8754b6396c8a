# One interface target carries the language level, the strict Qt defines and the warnings;
# every library, executable and test links it.
add_library(ledgerwell_options INTERFACE)
target_compile_features(ledgerwell_options INTERFACE cxx_std_17)
target_compile_definitions(ledgerwell_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER
    QT_NO_FOREACH
)
target_compile_options(ledgerwell_options INTERFACE -Wall -Wextra -Wnon-virtual-dtor)
if(LEDGERWELL_WERROR)
    target_compile_options(ledgerwell_options INTERFACE -Werror)
endif()

# Tests and benchmarks keep the warnings but may build strings from literals freely.
add_library(ledgerwell_test_options INTERFACE)
target_compile_features(ledgerwell_test_options INTERFACE cxx_std_17)
target_compile_options(ledgerwell_test_options INTERFACE -Wall -Wextra -Wnon-virtual-dtor)
if(LEDGERWELL_WERROR)
    target_compile_options(ledgerwell_test_options INTERFACE -Werror)
endif()
