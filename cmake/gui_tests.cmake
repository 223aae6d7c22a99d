# Run by CTest when it starts (`program` is the GUI test program, `cmake` the cmake that
# configured the build): one test per window test function, each in its own process with its
# own time limit.
set(environment QT_QPA_PLATFORM=offscreen TZ=Asia/Tokyo)
execute_process(COMMAND ${cmake} -E env ${environment} ${program} --list
                OUTPUT_VARIABLE names ERROR_VARIABLE listing_messages RESULT_VARIABLE listed
                TIMEOUT 60)
string(REPLACE "\n" ";" names "${names}")
if(NOT listed EQUAL 0 OR NOT names)
  # Shows up as a failing test instead of a silently shorter run.
  add_test(vartel_gui_tests_NOT_LISTED vartel_gui_tests_NOT_LISTED)
endif()
foreach(name IN LISTS names)
  if(name)
    add_test(gui.${name} ${program} ${name})
    set_tests_properties(gui.${name} PROPERTIES
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=Asia/Tokyo" TIMEOUT 60)
  endif()
endforeach()
