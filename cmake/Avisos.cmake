# Avisos e macros de segurança do Qt para todo o código do projeto.
add_library(osv_avisos INTERFACE)
target_compile_options(osv_avisos INTERFACE -Wall -Wextra)
target_compile_definitions(osv_avisos INTERFACE
    QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING QT_STRICT_ITERATORS_OFF QT_NO_FOREACH)
