# Runs lumora_docshots into a scratch folder and checks that every picture it promises is there
# and not empty, in English and in German.
#   cmake -DDOCSHOTS=<program> -DWORK=<scratch folder> -P check_run.cmake
set(images ${WORK}/images)
file(REMOVE_RECURSE ${images})
execute_process(COMMAND ${DOCSHOTS} ${images} ${WORK}/scratch RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lumora_docshots ended with ${result}")
endif()
foreach(name IN ITEMS lumora-save lumora-open lumora-settings lumora-exit qvsettings-save-restore
                      qvsettings-image-proc qvsettings-calibration qvsettings-video-hardware
                      lumora-save-de lumora-exit-de qvsettings-save-restore-de)
    set(picture ${images}/${name}.png)
    if(NOT EXISTS ${picture})
        message(FATAL_ERROR "missing ${picture}")
    endif()
    file(SIZE ${picture} size)
    if(size EQUAL 0)
        message(FATAL_ERROR "empty ${picture}")
    endif()
endforeach()
