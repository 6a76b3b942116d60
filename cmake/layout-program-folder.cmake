# Lays out the program folder beside the executable. Language files and sounds are the
# program's own and follow the sources; the data files hold a café's books and are only ever
# put in place when they are not there yet.
file(MAKE_DIRECTORY ${PROGRAM_DIR}/language)
foreach(language english turkish)
    file(COPY_FILE ${ASSETS}/language/${language}.ini ${PROGRAM_DIR}/language/${language}.ini
         ONLY_IF_DIFFERENT)
endforeach()
foreach(sound zil01.wav yazarkasa01.wav)
    file(COPY_FILE ${ASSETS}/sounds/${sound} ${PROGRAM_DIR}/${sound} ONLY_IF_DIFFERENT)
endforeach()
foreach(data ayar.dat zaman.dat gunluk.dat aylik.dat borc.dat)
    if(NOT EXISTS ${PROGRAM_DIR}/${data})
        file(COPY_FILE ${ASSETS}/data/${data} ${PROGRAM_DIR}/${data})
    endif()
endforeach()
