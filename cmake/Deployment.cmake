# Deployment settings of the client. The program reads no command line and no
# environment, so a build for a wholesaler sets these cache variables instead.
set(TARNEVO_SERVER_HOST "127.0.0.1" CACHE STRING "Default application server host")
set(TARNEVO_WEB_ROOT "http://127.0.0.1:8080/" CACHE STRING "Web root of the wholesaler's web server (ends with /)")
set(TARNEVO_UPDATE_ROOT "http://127.0.0.1:8080/" CACHE STRING "Root of the new-version download (ends with /)")
set(TARNEVO_COMPANY_SITE "http://127.0.0.1:8080/" CACHE STRING "Company web site of the general menu")
set(TARNEVO_ID_ALIAS_FROM "" CACHE STRING "Disk serial replaced by the identifier alias (empty: no alias)")
set(TARNEVO_ID_ALIAS_TO "" CACHE STRING "Machine identifier used instead of TARNEVO_ID_ALIAS_FROM")

configure_file(${PROJECT_SOURCE_DIR}/cmake/deployment.h.in ${PROJECT_BINARY_DIR}/generated/deployment.h @ONLY)
