# The generator draws every run-time file and every built-in picture from the game's own
# geometry, so that what the player sees and what the scoring counts cannot drift apart.
file(GLOB vexagen_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/vexagen/*.cpp
     ${CMAKE_SOURCE_DIR}/tools/vexagen/*.h)
# The next-arrow button's captions are drawn as the game paints them in other languages.
add_executable(vexagen ${vexagen_sources} ${CMAKE_SOURCE_DIR}/platform/ButtonCaption.cpp)
target_link_libraries(vexagen PRIVATE vexa_rules Qt6::Gui)
# Beside the run directory: the tools tests run it on lists of their own as VEXA_RUN_DIR/../vexagen.
set_target_properties(vexagen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Files laid beside the program in the run directory.
set(VEXA_RUN_FILES
    90.bmp 70.bmp 60.bmp 50.bmp 30.bmp nextar.bmp nextsa.bmp
    arrow1.ico arrow2.ico arrow3.ico arrow4.ico z1.ico z2.ico z3.ico
    tick.wav release.wav hit.wav miss.wav whistle1.wav whistle2.wav whistle3.wav
    muzi.luk zeny.luk)
# Pictures compiled into the program (":/builtin/<name>").
set(VEXA_BUILTIN_FILES
    scope.bmp sight1.png marker.png clicker.bmp arrow.bmp archer.bmp nextarrow0.bmp
    downbut.bmp rightbut.bmp upbut.bmp leftbut.bmp icon.png roundtype.png cursor.png
    x1.5/scope.bmp x1.5/sight1.png x1.5/cursor.png x1.5/marker.png x1.5/clicker.bmp
    x1.5/arrow.bmp x1.5/archer.bmp)
# The target faces drawn anew for 150 %, each with the picture it stands for.
foreach(target IN ITEMS 90.bmp 70.bmp 60.bmp 50.bmp 30.bmp)
    list(APPEND VEXA_BUILTIN_FILES x1/${target} x1.5/${target})
endforeach()
# So are the marker and sight icons of the game folder.
foreach(icon IN ITEMS arrow1.ico arrow2.ico arrow3.ico arrow4.ico z1.ico z2.ico z3.ico)
    list(APPEND VEXA_BUILTIN_FILES x1/${icon} x1.5/${icon})
endforeach()
# The wind flag in every pose FlagPictureName names, at 100 % and 150 %.
set(flag_pictures flag.png)
foreach(side IN ITEMS l r)
    foreach(strength RANGE 1 3)
        foreach(along IN ITEMS a c)
            foreach(flutter IN ITEMS 0 1)
                list(APPEND flag_pictures flag-${side}${strength}${along}${flutter}.png)
            endforeach()
        endforeach()
    endforeach()
endforeach()
foreach(flag IN LISTS flag_pictures)
    list(APPEND VEXA_BUILTIN_FILES ${flag} x1.5/${flag})
endforeach()
# The menu icon at the sizes of the desktop's icon theme (menu-icon-<size>.png), for the install.
set(VEXA_MENU_ICON_SIZES 16 24 32 48 64 128 256)

file(GLOB vexagen_data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.txt)
list(TRANSFORM VEXA_RUN_FILES PREPEND ${VEXA_RUN_DIR}/ OUTPUT_VARIABLE run_outputs)
list(TRANSFORM VEXA_BUILTIN_FILES PREPEND ${VEXA_BUILTIN_DIR}/ OUTPUT_VARIABLE builtin_outputs)
list(TRANSFORM VEXA_MENU_ICON_SIZES REPLACE "(.+)" "${VEXA_BUILTIN_DIR}/menu-icon-\\1.png"
     OUTPUT_VARIABLE menu_icon_outputs)
add_custom_command(
    OUTPUT ${run_outputs} ${builtin_outputs} ${menu_icon_outputs} ${VEXA_BUILTIN_DIR}/builtin.qrc
    COMMAND vexagen ${VEXA_RUN_DIR} ${VEXA_BUILTIN_DIR} ${CMAKE_SOURCE_DIR}/data
    DEPENDS vexagen ${vexagen_data}
    COMMENT "Drawing the game's pictures, icons and sound")

add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/qrc_builtin.cpp
    COMMAND Qt6::rcc --name builtin -o ${CMAKE_BINARY_DIR}/qrc_builtin.cpp
            ${VEXA_BUILTIN_DIR}/builtin.qrc
    DEPENDS ${VEXA_BUILTIN_DIR}/builtin.qrc ${builtin_outputs}
    COMMENT "Compiling the built-in pictures")
set(VEXA_BUILTIN_QRC_CPP ${CMAKE_BINARY_DIR}/qrc_builtin.cpp)

# The help file is written by hand and copied as it is.
add_custom_command(
    OUTPUT ${VEXA_RUN_DIR}/Brantel2.hlp
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/Brantel2.hlp ${VEXA_RUN_DIR}/Brantel2.hlp
    DEPENDS ${CMAKE_SOURCE_DIR}/data/Brantel2.hlp)

add_custom_target(vexa_runfiles DEPENDS ${run_outputs} ${menu_icon_outputs}
                  ${VEXA_RUN_DIR}/Brantel2.hlp)
