INITSEL,ALL;
FILE,bracket.geo;
LISTLOG,1,bracket.gem,0;
FILE,vantrel123xyz.ses,0,0,0;
LISTLOG;
INITSEL,ALL;
FILE,frame.geo;
LISTLOG,1,frame.gem,0;
FILE,vantrel123xyz.ses,0,0,0;
LISTLOG;
INITSEL,ALL;
FILE,plate.geo;
LISTLOG,1,plate.gem,0;
FILE,vantrel123xyz.ses,0,0,0;
LISTLOG;
INITSEL,ALL;
FILE,support.geo;
LISTLOG,1,support.gem,0;
FILE,vantrel123xyz.ses,0,0,0;
LISTLOG;
