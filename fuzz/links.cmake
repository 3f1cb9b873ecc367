# Each fuzz target links only the library of the reader it feeds: read by the
# libFuzzer build (fuzz/) and by the replay of the seed corpora (tests/fuzz/).
set(hellas_fuzz_links_catalogue_fuzz hellas_worksheets)
set(hellas_fuzz_links_questionset_fuzz hellas_quiz)
set(hellas_fuzz_links_wmf_fuzz hellas_wmf_ui)
set(hellas_fuzz_links_gift_fuzz hellas_worksheets)
set(hellas_fuzz_links_aiken_fuzz hellas_worksheets)
set(hellas_fuzz_links_moodlexml_fuzz hellas_worksheets)
