# Installation: the shared library, the command-line host, its public headers under include/orvelmagdb/, the umbrella
# header, a CMake package (OrvelMagDb::orvelmagdb) and a pkg-config file. Headers inside a
# folder named "detail" belong to the implementation and are not installed.

# The umbrella header is generated from the public headers, so it always includes every one.
set(orvel_public_dirs afx odbc orveldblib orveldlglib orveldb orvelristdb orvelmagdb)
set(orvel_umbrella_includes "")
foreach(dir IN LISTS orvel_public_dirs)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/src
        ${CMAKE_CURRENT_SOURCE_DIR}/src/${dir}/*.h)
    list(SORT headers)
    foreach(h IN LISTS headers)
        if(NOT h MATCHES "/detail/")
            string(APPEND orvel_umbrella_includes "#include \"${h}\"\n")
        endif()
    endforeach()
endforeach()
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/cmake/orvelmagdb.h.in
    ${CMAKE_CURRENT_BINARY_DIR}/include/orvelmagdb/orvelmagdb.h @ONLY)
target_include_directories(orvelmagdb INTERFACE $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}/include>)

install(TARGETS orvelmagdb EXPORT OrvelMagDbTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} ${CMAKE_INSTALL_INCLUDEDIR}/orvelmagdb)
# The installed host finds the library through a run path relative to itself, so that it runs
# from whatever prefix it was installed into.
file(RELATIVE_PATH orvel_bin_to_lib ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
    ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR})
set_target_properties(orvelmag PROPERTIES INSTALL_RPATH "$ORIGIN/${orvel_bin_to_lib}")
install(TARGETS orvelmag RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(dir IN LISTS orvel_public_dirs)
    install(DIRECTORY src/${dir} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/orvelmagdb
        FILES_MATCHING PATTERN "*.h" PATTERN "detail" EXCLUDE)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/include/orvelmagdb/orvelmagdb.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/orvelmagdb)
install(FILES config/default.conf DESTINATION ${CMAKE_INSTALL_DATADIR}/orvelmagdb)

include(CMakePackageConfigHelpers)
install(EXPORT OrvelMagDbTargets NAMESPACE OrvelMagDb:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/OrvelMagDb)
configure_package_config_file(cmake/OrvelMagDbConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/OrvelMagDbConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/OrvelMagDb)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/OrvelMagDbConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/OrvelMagDbConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/OrvelMagDbConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/OrvelMagDb)

configure_file(cmake/orvelmagdb.pc.in ${CMAKE_CURRENT_BINARY_DIR}/orvelmagdb.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/orvelmagdb.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
