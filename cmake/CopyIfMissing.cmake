# cmake -DFROM=file -DTO=file -P CopyIfMissing.cmake: copies FROM to TO unless TO exists, so a
# rebuild never overwrites what the program has written there since.
if(NOT EXISTS "${TO}")
    file(COPY_FILE "${FROM}" "${TO}")
endif()
