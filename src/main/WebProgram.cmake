# brambletop.js, brambletop.wasm and brambletop.data (the art, packed) beside
# index.html in the build's bin/: the whole page. BT_WEB_ART names the folder
# that holds the art a native build drew (Game_Sprite, Game_Animation,
# Game_Sound and the icons).
set(BT_WEB_ART "" CACHE PATH "Folder with the art drawn by a native build")
if(NOT IS_DIRECTORY "${BT_WEB_ART}/Game_Sprite")
  message(FATAL_ERROR "BT_WEB_ART must name a folder holding Game_Sprite (scripts/web.sh sets it)")
endif()

add_executable(brambletop WebMain.cpp CommandLine.cpp ScreenFactory.cpp PageOptions.cpp)
target_include_directories(brambletop PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(brambletop PRIVATE bt_net bt_game bt_screens bt_app bt_platform_web)
set(art_files)
foreach(folder Game_Sprite Game_Animation Game_Sound)
  file(GLOB_RECURSE found ${BT_WEB_ART}/${folder}/*)
  list(APPEND art_files ${found})
endforeach()
set_target_properties(brambletop PROPERTIES LINK_DEPENDS "${BT_WEB_LIBRARY};${BT_WEB_PRE_JS};${art_files}")
target_link_options(brambletop PRIVATE
  "SHELL:--js-library ${BT_WEB_LIBRARY}"
  "SHELL:--pre-js ${BT_WEB_PRE_JS}"
  "SHELL:--preload-file ${BT_WEB_ART}/Game_Sprite@/art/Game_Sprite"
  "SHELL:--preload-file ${BT_WEB_ART}/Game_Animation@/art/Game_Animation"
  "SHELL:--preload-file ${BT_WEB_ART}/Game_Sound@/art/Game_Sound"
  -lidbfs.js
  -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=web
  -sEXPORTED_FUNCTIONS=_main,_malloc,_free)

# The page, its app manifest, its service worker and its icons beside the
# program. web.sh writes the build's version into the page and the worker.
set(page_files)
foreach(file ${BT_WEB_PAGE}/index.html ${BT_WEB_PAGE}/manifest.webmanifest ${BT_WEB_PAGE}/sw.js
             ${BT_WEB_ART}/icon32.png ${BT_WEB_ART}/icon192.png ${BT_WEB_ART}/icon512.png
             ${BT_WEB_ART}/icon512-maskable.png)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${file} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}
    DEPENDS ${file} VERBATIM)
  list(APPEND page_files ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name})
endforeach()
add_custom_target(web_page ALL DEPENDS ${page_files})
