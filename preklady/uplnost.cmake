# Every text the programs translate is in tvarolam_cs.ts, and every one there is translated:
# lupdate brings the sources' texts into a copy of it, which must then hold nothing unfinished
# and nothing the sources no longer have.
#   cmake -DLUPDATE=... -DKOREN=SOURCE_DIR -DSLOZKY=a|b|c -DDOCASNA=DIR -P uplnost.cmake
string(REPLACE "|" ";" slozky "${SLOZKY}")
list(TRANSFORM slozky PREPEND ${KOREN}/)
file(REMOVE_RECURSE ${DOCASNA})
file(MAKE_DIRECTORY ${DOCASNA})
file(COPY_FILE ${KOREN}/preklady/tvarolam_cs.ts ${DOCASNA}/tvarolam_cs.ts)
execute_process(COMMAND ${LUPDATE} -locations none -no-ui-lines -tr-function-alias translate+=preloz ${slozky}
                        -ts ${DOCASNA}/tvarolam_cs.ts
                RESULT_VARIABLE kod OUTPUT_VARIABLE vystup ERROR_VARIABLE vystup)
if(NOT kod EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${kod}):\n${vystup}")
endif()
file(READ ${DOCASNA}/tvarolam_cs.ts obsah)
# A finished translation has no type; unfinished, vanished and obsolete ones have one.
string(REGEX MATCHALL "<translation type=" oznacene "${obsah}")
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*<translation type=\"[a-z]+\""
       neprelozene "${obsah}")
if(oznacene)
    string(REPLACE ";" "\n" neprelozene "${neprelozene}")
    message(FATAL_ERROR "texts untranslated or no longer in the sources (lupdate, then linguist):\n"
                        "${neprelozene}")
endif()
string(REGEX MATCHALL "<message>" zpravy "${obsah}")
list(LENGTH zpravy pocet)
message(STATUS "${pocet} texts, all translated")
