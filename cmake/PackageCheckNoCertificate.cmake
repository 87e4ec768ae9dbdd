# Run by CPack before it makes a package: refuses a build that trusts a certificate of its own.
if(CPACK_TOVALIN_SERVICE_CA_FILE)
    message(FATAL_ERROR "This build trusts ${CPACK_TOVALIN_SERVICE_CA_FILE} in addition to the system's "
                        "authorities; a package is made from a build without TOVALIN_SERVICE_CA_FILE.")
endif()
