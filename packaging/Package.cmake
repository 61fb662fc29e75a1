# The Debian package: `cpack -G DEB` in the build folder makes lumora_VERSION_amd64.deb with
# everything the install rules install under /usr. Library dependencies come from the binaries
# (dpkg-shlibdeps); only what no binary names is listed by hand: the Qt platform plugins that
# draw the windows, and the face-finding data of the webcam source.
include(GNUInstallDirs)

find_program(LUMORA_GZIP gzip REQUIRED)

# Debian wants its documentation under the package's name, compressed reproducibly (-n: no
# name or time stamp in the gzip header).
set(package_doc share/doc/lumora)
set(compressed ${CMAKE_CURRENT_BINARY_DIR}/compressed)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
set(gz_outputs)
foreach(page IN ITEMS lumora qvsettings gazemon)
    list(APPEND gz_sources ${CMAKE_CURRENT_SOURCE_DIR}/man/${page}.1)
endforeach()
list(APPEND gz_sources ${CMAKE_CURRENT_BINARY_DIR}/changelog)
foreach(source IN LISTS gz_sources)
    get_filename_component(name ${source} NAME)
    set(output ${compressed}/${name}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed}
        COMMAND ${LUMORA_GZIP} -9n -c ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
    list(APPEND gz_outputs ${output})
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${gz_outputs})

install(FILES ${compressed}/lumora.1.gz ${compressed}/qvsettings.1.gz ${compressed}/gazemon.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright ${compressed}/changelog.gz
    DESTINATION ${package_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quorvane)
set(CPACK_PACKAGE_CONTACT "Lumora maintainers <maintainers@users.noreply.c-seed-15eaa572.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drawing program and tools for people who work a computer with their eyes")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Lumora is a full-screen drawing program driven by gaze alone: every control is
a large button chosen by holding the gaze on it, and shapes and stamps are
drawn by dwelling. It works with eye trackers speaking the Open Gaze API,
Pupil's network API, a UDP bridge, or the mouse pointer.

The package also holds QvSettings, the settings editor of the Quorvane eye
tracker, its settings file library QVFILEIO, the tracker library libqvtrack
and the console gaze monitor gazemon.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the binaries do not name: the platform plugin, the face data of the camera source, the
# fonts the buttons are laid out for (Arial's metrics) and Qt's own catalogues for the standard
# buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, opencv-data, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# The package made and checked as a test: it needs every program built, so it runs on the built
# tree like the install test.
find_program(LUMORA_DPKG_DEB dpkg-deb)
if(LUMORA_BUILD_QT AND TARGET lumora AND TARGET qvsettings AND LUMORA_DPKG_DEB)
    set(deb_test_work ${CMAKE_BINARY_DIR}/testwork/packaging_deb)
    file(MAKE_DIRECTORY ${deb_test_work})
    add_test(NAME packaging_deb
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tests/deb_test.sh ${CMAKE_BINARY_DIR} ${deb_test_work}
                ${LUMORA_APP_ID} ${QVSETTINGS_APP_ID} ${PROJECT_VERSION}
        WORKING_DIRECTORY ${deb_test_work})
    set_tests_properties(packaging_deb PROPERTIES LABELS packaging TIMEOUT 600)
endif()
