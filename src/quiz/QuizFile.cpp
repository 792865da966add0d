namespace quiz_file {}
